#pragma once
#include "toolkit/Form.h"

class LmrDisplayer;

// The definition window: one modifier page of 26 letter rows at a time.
class TLmrDefForm : public tk::Form {
public:
    TLmrDefForm();

    void setDisplayer(LmrDisplayer* d) { displayer = d; }
    LmrDisplayer* owner() const { return displayer; }
    void bringToFront();
    void setPage(bool ctrl, bool alt, bool shift);
    bool pageCtrl() const { return pageCtrl_; }
    bool pageAlt() const { return pageAlt_; }
    bool pageShift() const { return pageShift_; }

    void FormCreate();

private:
    LmrDisplayer* displayer = nullptr;
    bool pageCtrl_ = false;
    bool pageAlt_ = false;
    bool pageShift_ = false;
};
