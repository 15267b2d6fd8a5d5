#include "toolkit/win32/UpDownWindow.h"

#include "toolkit/UpDown.h"

#include <commctrl.h>

namespace tk {

UpDownWindow::UpDownWindow(UpDown& upDown, HWND parent) : ControlWindow(upDown), upDown_(upDown) {
    createChild(L"TkUpDown", UPDOWN_CLASSW, "", UDS_NOTHOUSANDS, 0, parent);
    showRange();
    showPosition();
}

void UpDownWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Range)
        showRange();
    if (aspect == Aspect::Position)
        showPosition();
    ControlWindow::changed(aspect);
}

bool UpDownWindow::notified(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg == WM_VSCROLL) {
        result = 0;
        return true;
    }
    if (msg != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != UDN_DELTAPOS)
        return false;
    upDown_.step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    result = TRUE;
    return true;
}

void UpDownWindow::showRange() {
    SendMessageW(hwnd(), UDM_SETRANGE32, static_cast<WPARAM>(upDown_.min()),
                 static_cast<LPARAM>(upDown_.max()));
}

void UpDownWindow::showPosition() {
    SendMessageW(hwnd(), UDM_SETPOS32, 0, static_cast<LPARAM>(upDown_.position()));
}

} // namespace tk
