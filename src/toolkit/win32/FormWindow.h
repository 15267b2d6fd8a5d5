#pragma once
#include "platform/ScreenGeometry.h"
#include "platform/Win32Types.h"
#include "toolkit/win32/Tooltip.h"
#include "toolkit/win32/Win32Window.h"

#include <memory>

namespace tk {

class Form;

// The window of a form: a hidden top-level window owned by the application's
// window. Not a dialog (the dialog procedure would take WM_USER + 1 as
// DM_SETDEFID) and not message-only (those miss broadcast messages).
class FormWindow final : public Win32Window {
public:
    FormWindow(Form& form, HWND owner);
    ~FormWindow() override;

    Control* control() const override;
    void setBounds(const Rect& at96Dpi) override;
    void setVisible(bool visible) override;
    void changed(Aspect aspect) override;
    // The form's icons, or the same icons loaded at the window's DPI.
    void setIcon(platform::Handle smallIcon, platform::Handle largeIcon) override;
    // Lays the form and every control out at this DPI, keeping the window's
    // position.
    void dpiChanged(int dpi) override;
    Tooltip& tooltip();

protected:
    // The form's raw hook first, then the toolkit's handling.
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD style() const;
    DWORD exStyle() const;
    SIZE outerSize() const;
    void place(const Rect& at96Dpi);
    void centre();
    void keepInWorkArea();
    void moveTo(const platform::ScreenRect& rect);
    void applyLook();
    void applyFont();
    LRESULT toolkitProcedure(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onActivate(WPARAM wParam, LPARAM lParam);
    LRESULT onSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    void layOutAt(int dpi, int left, int top);
    void applyIcons();
    void destroyOwnIcons();
    bool focusControl();

    Form& form_;
    std::unique_ptr<Tooltip> tooltip_;
    // The icons the form loaded are for the system DPI; at another, the
    // window loads and owns its own.
    HICON ownIcons_[2] = {};
};

} // namespace tk
