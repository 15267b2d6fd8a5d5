#include "toolkit/RadioButton.h"

#include "toolkit/Backend.h"

#include <algorithm>

namespace tk {

RadioButton::RadioButton(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

void RadioButton::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void RadioButton::setChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    changed(Aspect::Checked);
    if (!checked)
        return;
    for (RadioButton* other : group()) {
        if (other != this)
            other->setChecked(false);
    }
    raise(onClick);
}

bool RadioButton::tabStop() const {
    if (!Control::tabStop())
        return false;
    if (checked_)
        return true;
    std::vector<RadioButton*> buttons = group();
    bool anyChecked = std::any_of(buttons.begin(), buttons.end(),
                                  [](const RadioButton* button) { return button->checked(); });
    return !anyChecked && buttons.front() == this;
}

bool RadioButton::handleKey(Key key) {
    switch (key) {
    case Key::Space:
        click();
        return true;
    case Key::Up:
    case Key::Left:
        moveInGroup(-1);
        return true;
    case Key::Down:
    case Key::Right:
        moveInGroup(1);
        return true;
    default:
        return false;
    }
}

std::vector<RadioButton*> RadioButton::group() const {
    if (!parent())
        return {const_cast<RadioButton*>(this)};
    std::vector<RadioButton*> buttons;
    for (Control* sibling : parent()->children()) {
        if (auto* button = dynamic_cast<RadioButton*>(sibling))
            buttons.push_back(button);
    }
    return buttons;
}

void RadioButton::moveInGroup(int direction) {
    std::vector<RadioButton*> buttons = group();
    std::erase_if(buttons, [this](RadioButton* b) { return b != this && !b->canFocus(); });
    auto at = std::find(buttons.begin(), buttons.end(), this);
    std::ptrdiff_t count = static_cast<std::ptrdiff_t>(buttons.size());
    std::ptrdiff_t next = ((at - buttons.begin()) + direction + count) % count;
    RadioButton* target = buttons[static_cast<std::size_t>(next)];
    target->setFocus();
    target->click();
}

std::unique_ptr<WindowPeer> RadioButton::createPeer() {
    return backend().createRadioButtonWindow(*this, parentHandle());
}

} // namespace tk
