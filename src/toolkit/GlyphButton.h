#pragma once
#include "toolkit/Button.h"
#include "toolkit/Glyph.h"

namespace tk {

// A push button that shows a picture instead of text, and a second, greyed
// picture while it is disabled (the embossed picture unless one is given).
class GlyphButton : public Button {
public:
    GlyphButton(std::string name, Control& parent);

    const Glyph& glyph() const { return glyph_; }
    void setGlyph(Glyph glyph);
    const Glyph& disabledGlyph() const { return disabledGlyph_; }
    void setDisabledGlyph(Glyph glyph);
    // The picture the button shows now.
    const Glyph& shownGlyph() const;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    void enabledChanged() override { changed(Aspect::Look); }

private:
    Glyph glyph_;
    Glyph disabledGlyph_;
    bool disabledGiven_ = false;
};

} // namespace tk
