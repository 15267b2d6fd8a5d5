#pragma once
#include <memory>

class HotKeyList;
class Lumaro;
class TLmrDefForm;

// The controller's side of the definition window: owns the window and the
// working copy of the definitions the user edits.
class LmrDisplayer {
public:
    explicit LmrDisplayer(Lumaro* owner);
    ~LmrDisplayer();
    LmrDisplayer(const LmrDisplayer&) = delete;
    LmrDisplayer& operator=(const LmrDisplayer&) = delete;

    void setHotKeyList(const HotKeyList* list);
    std::unique_ptr<HotKeyList> copyHotKeyList() const;
    void show();
    void commit();
    void storePage();
    void showPage();
    // The page without modifiers, with each row's usability as it now is.
    void showFirstPage();

    TLmrDefForm* form() const { return form_; }
    const HotKeyList* workingList() const { return workingList_.get(); }

private:
    Lumaro* owner_;
    std::unique_ptr<HotKeyList> workingList_;
    TLmrDefForm* form_ = nullptr; // the application's; closed and freed here
};
