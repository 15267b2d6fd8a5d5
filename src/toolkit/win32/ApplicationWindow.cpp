#include "toolkit/win32/ApplicationWindow.h"

#include "toolkit/Application.h"

namespace tk {

ApplicationWindow::ApplicationWindow(const std::string& title) {
    create(L"TkApplication", title, WS_POPUP, WS_EX_TOOLWINDOW, Rect{}, nullptr);
}

// The default would destroy the window, and every form with it, and leave
// the process running with nothing to show or end it by.
LRESULT ApplicationWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Application::instance().close();
        return 0;
    default:
        return Win32Window::procedure(msg, wParam, lParam);
    }
}

} // namespace tk
