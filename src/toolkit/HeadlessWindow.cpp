#include "toolkit/HeadlessWindow.h"

#include "toolkit/Form.h"
#include "toolkit/HeadlessBackend.h"
#include "toolkit/Messages.h"

namespace tk {

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Form* form, platform::Handle owner)
    : backend_(backend), form_(form), owner_(owner), handle_(backend.add(*this)) {}

HeadlessWindow::~HeadlessWindow() {
    backend_.remove(handle_);
}

void HeadlessWindow::bringToFront() {
    backend_.raised(handle_);
}

std::intptr_t HeadlessWindow::defaultProcedure(unsigned msg, std::uintptr_t, std::intptr_t) {
    if (msg == msg::kClose && form_)
        form_->close();
    return 0;
}

} // namespace tk
