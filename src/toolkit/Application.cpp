#include "toolkit/Application.h"

#include "toolkit/Backend.h"
#include "toolkit/Form.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

Application& Application::instance() {
    // Never destroyed: forms and windows must not be torn down after the
    // backend during static destruction.
    static Application* application = new Application;
    return *application;
}

void Application::initialize() {
    handle();
}

void Application::setTitle(std::string utf8) {
    title_ = std::move(utf8);
    if (window_)
        window_->setText(title_);
}

platform::Handle Application::handle() {
    if (!window_)
        window_ = backend().createApplicationWindow(title_);
    return window_->handle();
}

Form* Application::findForm(std::string_view name) const {
    auto found = std::find_if(forms_.begin(), forms_.end(),
                              [&](const Form* form) { return form->name() == name; });
    return found == forms_.end() ? nullptr : *found;
}

void Application::destroyForm(Form& form) {
    auto found =
        std::find_if(owned_.begin(), owned_.end(),
                     [&](const std::unique_ptr<Form>& owned) { return owned.get() == &form; });
    if (found == owned_.end())
        return;
    std::unique_ptr<Form> doomed = std::move(*found);
    owned_.erase(found);
}

void Application::run() {
    if (showMainForm_ && mainForm_ && !terminated_)
        runGuarded([&] { mainForm_->show(); });
    while (!terminated_) {
        LoopStep step = backend().runOne();
        if (step == LoopStep::Quit)
            terminated_ = true;
        else if (step == LoopStep::Idle)
            return;
    }
}

void Application::terminate() {
    terminated_ = true;
    backend().postQuit();
}

void Application::close() {
    if (mainForm_)
        mainForm_->close();
    else
        terminate();
}

bool Application::raise(const std::function<void()>& event) {
    if (!event)
        return true;
    if (systemCalls_ == 0)
        return runGuarded(event);
    event();
    return true;
}

void Application::hide() {
    handle();
    window_->setVisible(false);
}

void Application::processMessages() {
    if (backend().runPending() == LoopStep::Quit)
        terminated_ = true;
}

void Application::showException(const std::exception& error) noexcept {
    try {
        backend().errorBox(error.what(), title_);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

void Application::showUnknownException() noexcept {
    try {
        showException(std::runtime_error("An unexpected error occurred."));
    } catch (...) {
    }
}

void Application::reset() {
    while (!owned_.empty()) {
        std::unique_ptr<Form> doomed = std::move(owned_.back());
        owned_.pop_back();
    }
    window_.reset();
    title_.clear();
    mainForm_ = nullptr;
    showMainForm_ = true;
    terminated_ = false;
}

void Application::addForm(Form& form) {
    forms_.push_back(&form);
    if (!mainForm_)
        mainForm_ = &form;
}

void Application::removeForm(Form& form) {
    std::erase(forms_, &form);
    if (mainForm_ == &form)
        mainForm_ = nullptr;
}

// A form whose create handler failed is half made: it goes, and the failure
// goes on to whoever asked for it (at start-up, the start, which then ends).
void Application::adopt(std::unique_ptr<Form> form) {
    Form& adopted = *form;
    owned_.push_back(std::move(form));
    try {
        adopted.formCreated();
    } catch (...) {
        destroyForm(adopted);
        throw;
    }
}

} // namespace tk
