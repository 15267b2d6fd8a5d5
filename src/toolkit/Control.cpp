#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Backend.h"
#include "toolkit/Form.h"

#include <algorithm>

namespace tk {

Control::Control(std::string name, Control* parent) : name_(std::move(name)), parent_(parent) {
    if (!parent_)
        return;
    tabOrder_ = static_cast<int>(parent_->children_.size());
    parent_->children_.push_back(this);
    form_ = parent_->form_;
    // The parent has its window already: this control gets its own the next
    // time anyone above it asks for a window.
    if (parent_->peer_)
        for (Control* above = parent_; above; above = above->parent_)
            above->unrealizedBelow_ = true;
}

Control::~Control() {
    if (form_ && form_ != this)
        form_->forget(*this);
    for (Control* child : children_)
        child->detach();
    if (parent_)
        std::erase(parent_->children_, this);
}

void Control::detach() {
    parent_ = nullptr;
    form_ = nullptr;
    for (Control* child : children_)
        child->forgetForm();
}

void Control::forgetForm() {
    form_ = nullptr;
    for (Control* child : children_)
        child->forgetForm();
}

Control* Control::find(std::string_view name) {
    if (name_ == name)
        return this;
    for (Control* child : children_) {
        if (Control* found = child->find(name))
            return found;
    }
    return nullptr;
}

void Control::setBounds(const Rect& bounds) {
    bounds_ = bounds;
    if (peer_)
        peer_->setBounds(bounds);
    boundsChanged();
}

void Control::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    try {
        visibleChanged();
    } catch (...) {
        // A handler that failed while the system called us: the control
        // stays as it was, so that showing it again tries again.
        visible_ = !visible;
        throw;
    }
    if (peer_)
        peer_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (peer_)
        peer_->setEnabled(enabled);
    enabledChanged();
}

bool Control::reachable() const {
    for (const Control* control = this; control; control = control->parent_) {
        if (!control->visible_ || !control->enabled_)
            return false;
    }
    return true;
}

bool Control::focused() const {
    return form_ && form_->focusedControl() == this;
}

void Control::setFocus() {
    if (!form_ || !canFocus())
        return;
    form_->setFocusedControl(this);
    if (peer_)
        peer_->setFocus();
}

void Control::focusReceived() {
    if (form_ && form_ != this && focusable())
        form_->setFocusedControl(this);
}

void Control::setHint(std::string utf8) {
    if (utf8 == hint_)
        return;
    hint_ = std::move(utf8);
    changed(Aspect::Hint);
}

platform::Handle Control::handle() {
    if (!peer_)
        realize();
    else if (unrealizedBelow_)
        realizeChildren();
    return peer_->handle();
}

void Control::realizeChildren() {
    unrealizedBelow_ = false;
    std::vector<Control*> children = children_;
    for (Control* child : children)
        if (!child->peer_ || child->unrealizedBelow_)
            child->handle();
}

void Control::realize() {
    if (parent_)
        parent_->handle();
    if (peer_)
        return;
    peer_ = createPeer();
    unrealizedBelow_ = false;
    if (!enabled_)
        peer_->setEnabled(false);
    created();
    for (Control* child : children_)
        child->handle();
    if (visible_)
        peer_->setVisible(true);
}

void Control::recreateWindow() {
    if (!peer_)
        return;
    destroyPeer();
    handle();
}

void Control::destroyPeer() {
    for (Control* child : children_)
        child->destroyPeer();
    peer_.reset();
}

void Control::changed(Aspect aspect) {
    if (peer_)
        peer_->changed(aspect);
}

std::intptr_t Control::dispatch(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return backend().sendMessage(handle(), msg, wParam, lParam);
}

void Control::post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    backend().postMessage(handle(), msg, wParam, lParam);
}

bool Control::raise(const std::function<void()>& event) {
    return Application::instance().raise(event);
}

} // namespace tk
