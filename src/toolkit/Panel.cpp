#include "toolkit/Panel.h"

#include "toolkit/Backend.h"

namespace tk {

Panel::Panel(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

void Panel::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void Panel::setBevelOuter(Bevel bevel) {
    bevelOuter_ = bevel;
    changed(Aspect::Look);
}

void Panel::setBevelInner(Bevel bevel) {
    bevelInner_ = bevel;
    changed(Aspect::Look);
}

void Panel::click() {
    raise(onClick);
}

bool Panel::handleKey(Key key) {
    if (!takesFocus_ || key != Key::Space)
        return false;
    click();
    return true;
}

std::unique_ptr<WindowPeer> Panel::createPeer() {
    return backend().createPanelWindow(*this, parentHandle());
}

} // namespace tk
