#include "toolkit/Image.h"

#include "toolkit/Backend.h"

namespace tk {

Image::Image(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

void Image::setIconResource(int resourceId) {
    iconResource_ = resourceId;
    changed(Aspect::Look);
}

std::unique_ptr<WindowPeer> Image::createPeer() {
    return backend().createImageWindow(*this, parentHandle());
}

} // namespace tk
