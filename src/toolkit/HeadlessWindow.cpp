#include "toolkit/HeadlessWindow.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/HeadlessBackend.h"
#include "toolkit/Messages.h"

namespace tk {

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Control* control, platform::Handle owner)
    : backend_(backend), control_(control), owner_(owner), handle_(backend.add(*this)) {}

HeadlessWindow::~HeadlessWindow() {
    backend_.remove(handle_);
}

Form* HeadlessWindow::form() const {
    return control_ && control_->form() == control_ ? control_->form() : nullptr;
}

void HeadlessWindow::bringToFront() {
    backend_.raised(handle_);
}

void HeadlessWindow::setFocus() {
    backend_.focused(handle_);
}

std::intptr_t HeadlessWindow::defaultProcedure(unsigned msg, std::uintptr_t, std::intptr_t) {
    if (msg != msg::kClose)
        return 0;
    if (form())
        form()->close();
    else if (!control_)
        Application::instance().close();
    return 0;
}

} // namespace tk
