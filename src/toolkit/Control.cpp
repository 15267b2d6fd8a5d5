#include "toolkit/Control.h"

#include "toolkit/Application.h"

#include <algorithm>

namespace tk {

Control::Control(std::string name, Control* parent) : name_(std::move(name)), parent_(parent) {
    if (parent_)
        parent_->children_.push_back(this);
}

Control::~Control() {
    for (Control* child : children_)
        child->parent_ = nullptr;
    if (parent_)
        std::erase(parent_->children_, this);
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
}

void Control::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    visibleChanged();
    if (peer_)
        peer_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (peer_)
        peer_->setEnabled(enabled);
}

platform::Handle Control::handle() {
    if (!peer_) {
        peer_ = createPeer();
        if (!enabled_)
            peer_->setEnabled(false);
        if (visible_)
            peer_->setVisible(true);
    }
    return peer_->handle();
}

bool Control::raise(const std::function<void()>& event) {
    if (!event)
        return true;
    return Application::instance().runGuarded(event);
}

} // namespace tk
