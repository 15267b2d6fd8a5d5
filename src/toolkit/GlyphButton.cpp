#include "toolkit/GlyphButton.h"

#include "toolkit/Backend.h"

namespace tk {

GlyphButton::GlyphButton(std::string name, Control& parent) : Button(std::move(name), parent) {}

void GlyphButton::setGlyph(Glyph glyph) {
    glyph_ = std::move(glyph);
    if (!disabledGiven_)
        disabledGlyph_ = glyph_.embossed();
    changed(Aspect::Look);
}

void GlyphButton::setDisabledGlyph(Glyph glyph) {
    disabledGlyph_ = std::move(glyph);
    disabledGiven_ = true;
    changed(Aspect::Look);
}

const Glyph& GlyphButton::shownGlyph() const {
    return enabled() ? glyph_ : disabledGlyph_;
}

std::unique_ptr<WindowPeer> GlyphButton::createPeer() {
    return backend().createGlyphButtonWindow(*this, parentHandle());
}

} // namespace tk
