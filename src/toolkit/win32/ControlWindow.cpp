#include "toolkit/win32/ControlWindow.h"

#include "toolkit/Form.h"
#include "toolkit/win32/AccessibleObject.h"
#include "toolkit/win32/FontCache.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/WideText.h"

namespace tk {

void ControlWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Hint)
        showHint();
}

void ControlWindow::createChild(const wchar_t* className, const wchar_t* baseClass,
                                const std::string& text, DWORD style, DWORD exStyle, HWND parent) {
    DWORD disabled = control_.enabled() ? 0 : WS_DISABLED;
    create(className, text, WS_CHILD | WS_CLIPSIBLINGS | disabled | style, exStyle,
           control_.bounds(), parent, baseClass);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    if (!control_.hint().empty())
        showHint();
    // One move does it all: some system controls size themselves on
    // creation (the up-down takes the width of a scroll bar) and the layout
    // wins; later controls lie over earlier ones, as in the layouts (an edit
    // placed over a radio group); and a visible control is shown at once.
    const Rect& at = control_.bounds();
    SetWindowPos(hwnd(), HWND_TOP, scaled(at.left), scaled(at.top), scaled(at.width),
                 scaled(at.height), SWP_NOACTIVATE | (control_.visible() ? SWP_SHOWWINDOW : 0));
}

void ControlWindow::dpiChanged(int dpi) {
    Win32Window::dpiChanged(dpi);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    setBounds(control_.bounds());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT ControlWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFOCUS:
        control_.focusReceived();
        return classDefault(msg, wParam, lParam);
    case WM_GETOBJECT:
        if (LRESULT object = AccessibleObject::answer(hwnd(), wParam, lParam))
            return object;
        return Win32Window::procedure(msg, wParam, lParam);
    default:
        return Win32Window::procedure(msg, wParam, lParam);
    }
}

HFONT ControlWindow::font() const {
    Form* form = control_.form();
    return FontCache::instance().get(form ? form->font() : Font{}, dpi());
}

// The form's window outlives the windows of its controls: its tool-tip is
// looked up once.
void ControlWindow::showHint() {
    if (!tooltip_) {
        auto* root = dynamic_cast<FormWindow*>(fromHwnd(GetAncestor(hwnd(), GA_ROOT)));
        if (!root)
            return;
        tooltip_ = &root->tooltip();
    }
    tooltip_->set(hwnd(), utf8ToWide(control_.hint()));
}

} // namespace tk
