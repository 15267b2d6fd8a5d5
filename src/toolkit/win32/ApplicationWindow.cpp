#include "toolkit/win32/ApplicationWindow.h"

namespace tk {

ApplicationWindow::ApplicationWindow(const std::string& title) {
    create(L"TkApplication", title, WS_POPUP, WS_EX_TOOLWINDOW, Rect{}, nullptr);
}

LRESULT ApplicationWindow::receive(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd(), msg, wParam, lParam);
}

} // namespace tk
