#include "toolkit/win32/ControlWindow.h"

#include "toolkit/Form.h"
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
    create(className, text, WS_CHILD | WS_CLIPSIBLINGS | style, exStyle, control_.bounds(), parent,
           baseClass);
    // Some system controls size themselves on creation (the up-down takes
    // the width of a scroll bar): the layout wins.
    Win32Window::setBounds(control_.bounds());
    // Later controls lie over earlier ones, as in the layouts (an edit placed
    // over a radio group).
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    if (!control_.hint().empty())
        showHint();
}

LRESULT ControlWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFOCUS:
        control_.focusReceived();
        return classDefault(msg, wParam, lParam);
    default:
        return Win32Window::procedure(msg, wParam, lParam);
    }
}

HFONT ControlWindow::font() const {
    Form* form = control_.form();
    return FontCache::instance().get(form ? form->font() : Font{});
}

void ControlWindow::showHint() {
    auto* root = dynamic_cast<FormWindow*>(fromHwnd(GetAncestor(hwnd(), GA_ROOT)));
    if (root)
        root->tooltip().set(hwnd(), utf8ToWide(control_.hint()));
}

} // namespace tk
