#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Backend.h"

namespace tk {

Form::Form(std::string name) : Control(std::move(name)) {
    Application::instance().addForm(*this);
}

Form::~Form() {
    Application::instance().removeForm(*this);
    destroyPeer();
    if (icon_)
        backend().destroyIcon(icon_);
}

void Form::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void Form::show() {
    setVisible(true);
    bringToFront();
}

void Form::close() {
    CloseAction action = CloseAction::Hide;
    if (onClose && !raise([&] { onClose(action); }))
        return;
    if (action == CloseAction::None)
        return;
    if (Application::instance().mainForm() == this)
        Application::instance().terminate();
    else
        hide();
}

void Form::bringToFront() {
    if (peer())
        peer()->bringToFront();
}

void Form::setIcon(int resourceId) {
    platform::Handle previous = icon_;
    iconResource_ = resourceId;
    icon_ = backend().loadIcon(resourceId);
    if (peer())
        peer()->setIcon(icon_);
    if (previous)
        backend().destroyIcon(previous);
}

std::intptr_t Form::dispatch(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return backend().sendMessage(handle(), msg, wParam, lParam);
}

void Form::post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    backend().postMessage(handle(), msg, wParam, lParam);
}

std::intptr_t Form::receive(WindowPeer& window, unsigned msg, std::uintptr_t wParam,
                            std::intptr_t lParam) noexcept {
    std::intptr_t result = 0;
    Application::instance().runGuarded([&] {
        if (!handleMessage(msg, wParam, lParam, result))
            result = window.defaultProcedure(msg, wParam, lParam);
    });
    return result;
}

bool Form::handleMessage(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&) {
    return false;
}

std::unique_ptr<WindowPeer> Form::createPeer() {
    return backend().createFormWindow(*this, Application::instance().handle());
}

void Form::visibleChanged() {
    if (visible()) {
        raise(onShow);
        handle();
    }
}

} // namespace tk
