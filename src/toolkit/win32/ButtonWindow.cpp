#include "toolkit/win32/ButtonWindow.h"

#include "toolkit/Button.h"

namespace tk {

namespace {

DWORD pushStyleOf(const Button& button) {
    return button.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

} // namespace

ButtonWindow::ButtonWindow(Button& button, HWND parent)
    : ButtonWindow(button, parent, pushStyleOf(button)) {}

ButtonWindow::ButtonWindow(Button& button, HWND parent, DWORD kindStyle)
    : ControlWindow(button), button_(button) {
    createChild(L"TkButton", L"BUTTON", button.caption(), kindStyle, 0, parent);
}

void ButtonWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Default &&
        (GetWindowLongPtrW(hwnd(), GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW)
        SendMessageW(hwnd(), BM_SETSTYLE, pushStyleOf(button_), TRUE);
    ControlWindow::changed(aspect);
}

bool ButtonWindow::notified(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    button_.click();
    result = 0;
    return true;
}

} // namespace tk
