#pragma once
#include "toolkit/win32/Win32Window.h"

#include <string>

namespace tk {

class Tooltip;

// The window of a control inside a form: a child window in the form's font
// that tells its control when it gets the focus and shows its hint.
class ControlWindow : public Win32Window {
public:
    Control* control() const override { return &control_; }
    void changed(Aspect aspect) override;
    // Re-placed from the control's 96-DPI bounds, in the font for that DPI.
    void dpiChanged(int dpi) override;

protected:
    explicit ControlWindow(Control& control) : control_(control) {}
    // Makes the child window at the control's bounds, on top of its
    // siblings, enabled and shown as the control is.
    void createChild(const wchar_t* className, const wchar_t* baseClass, const std::string& text,
                     DWORD style, DWORD exStyle, HWND parent);
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;
    HFONT font() const;

private:
    void showHint();

    Control& control_;
    Tooltip* tooltip_ = nullptr;
};

} // namespace tk
