#include "toolkit/Label.h"

#include "toolkit/Backend.h"

namespace tk {

Label::Label(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

void Label::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    changed(Aspect::Look);
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    changed(Aspect::Look);
}

std::unique_ptr<WindowPeer> Label::createPeer() {
    return backend().createLabelWindow(*this, parentHandle());
}

} // namespace tk
