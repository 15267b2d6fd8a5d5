#include "toolkit/Button.h"

#include "toolkit/Backend.h"

namespace tk {

Button::Button(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

void Button::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void Button::setDefault(bool isDefault) {
    default_ = isDefault;
    changed(Aspect::Default);
}

void Button::click() {
    raise(onClick);
}

bool Button::handleKey(Key key) {
    if (key != Key::Enter && key != Key::Space)
        return false;
    click();
    return true;
}

std::unique_ptr<WindowPeer> Button::createPeer() {
    return backend().createButtonWindow(*this, parentHandle());
}

} // namespace tk
