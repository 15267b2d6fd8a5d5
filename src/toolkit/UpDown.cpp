#include "toolkit/UpDown.h"

#include "toolkit/Backend.h"
#include "toolkit/Edit.h"

#include <algorithm>

namespace tk {

UpDown::UpDown(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
    setTabStop(false);
}

UpDown::~UpDown() {
    if (associate_)
        associate_->upDown_ = nullptr;
}

void UpDown::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    changed(Aspect::Range);
    setPosition(position_);
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    changed(Aspect::Position);
    showInAssociate();
}

void UpDown::setAssociate(Edit* edit) {
    if (associate_)
        associate_->upDown_ = nullptr;
    associate_ = edit;
    if (associate_)
        associate_->upDown_ = this;
    showInAssociate();
}

void UpDown::step(int direction) {
    long long next = static_cast<long long>(position_) +
                     (direction > 0 ? 1LL : -1LL) * static_cast<long long>(increment_);
    if (next > max_)
        next = wrap_ ? min_ : max_;
    else if (next < min_)
        next = wrap_ ? max_ : min_;
    if (next == position_)
        return;
    setPosition(static_cast<int>(next));
    raise(onChange);
}

void UpDown::showInAssociate() {
    if (associate_)
        associate_->setText(std::to_string(position_));
}

std::unique_ptr<WindowPeer> UpDown::createPeer() {
    return backend().createUpDownWindow(*this, parentHandle());
}

} // namespace tk
