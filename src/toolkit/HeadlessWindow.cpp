#include "toolkit/HeadlessWindow.h"

#include "toolkit/Form.h"
#include "toolkit/HeadlessBackend.h"

namespace tk {

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Control* control, platform::Handle owner)
    : backend_(backend), control_(control), owner_(owner), handle_(backend.add(*this)) {}

HeadlessWindow::~HeadlessWindow() {
    backend_.remove(handle_);
}

Form* HeadlessWindow::form() const {
    return control_ && control_->form() == control_ ? control_->form() : nullptr;
}

// A form shown comes to the front, as a window the system shows does.
void HeadlessWindow::setVisible(bool visible) {
    visible_ = visible;
    if (visible && form())
        backend_.raised(handle_);
}

void HeadlessWindow::bringToFront() {
    backend_.raised(handle_);
}

void HeadlessWindow::setFocus() {
    backend_.focused(handle_);
}

void HeadlessWindow::setForeground() {
    backend_.broughtToForeground(handle_);
}

std::intptr_t HeadlessWindow::receiveRaw(unsigned msg, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    return rawHook_ ? rawHook_(msg, wParam, lParam) : 0;
}

} // namespace tk
