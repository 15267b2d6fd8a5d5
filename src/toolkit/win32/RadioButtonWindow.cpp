#include "toolkit/win32/RadioButtonWindow.h"

#include "toolkit/RadioButton.h"
#include "toolkit/win32/Painting.h"

namespace tk {

RadioButtonWindow::RadioButtonWindow(RadioButton& button, HWND parent)
    : ControlWindow(button), button_(button) {
    createChild(L"TkRadioButton", L"BUTTON", button.caption(), BS_RADIOBUTTON, 0, parent);
    SendMessageW(hwnd(), BM_SETCHECK, button.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButtonWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Checked)
        SendMessageW(hwnd(), BM_SETCHECK, button_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    ControlWindow::changed(aspect);
}

bool RadioButtonWindow::notified(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            button_.click();
        result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(brushOf(SysColor::BtnFace));
        return true;
    default:
        return false;
    }
}

} // namespace tk
