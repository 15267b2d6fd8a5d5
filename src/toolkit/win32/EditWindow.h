#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Edit;

// A single-line edit: the system's EDIT class under our procedure, so that
// typed characters pass the key-press event first and the colours are ours.
class EditWindow final : public ControlWindow {
public:
    EditWindow(Edit& edit, HWND parent);

    void setText(const std::string& utf8) override;
    void changed(Aspect aspect) override;
    bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    // The edit's own handling, then its object's raw hook.
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT editProcedure(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onChar(WPARAM wParam, LPARAM lParam);
    LRESULT onColor(HDC dc);
    void onChange();

    Edit& edit_;
    bool settingText_ = false;
};

} // namespace tk
