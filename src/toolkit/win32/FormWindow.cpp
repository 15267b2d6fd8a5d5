#include "toolkit/win32/FormWindow.h"

#include "toolkit/Form.h"

namespace tk {

FormWindow::FormWindow(Form& form, HWND owner) : form_(form) {
    create(L"TkForm", form.caption(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, form.bounds(),
           owner);
    if (form.iconHandle())
        setIcon(form.iconHandle());
}

std::intptr_t FormWindow::defaultProcedure(unsigned msg, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    switch (msg) {
    case WM_CLOSE:
        return onClose();
    default:
        return Win32Window::defaultProcedure(msg, wParam, lParam);
    }
}

LRESULT FormWindow::receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    return form_.receive(*this, msg, wParam, lParam);
}

LRESULT FormWindow::onClose() {
    form_.close();
    return 0;
}

} // namespace tk
