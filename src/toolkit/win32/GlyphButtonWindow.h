#pragma once
#include "toolkit/win32/ButtonWindow.h"

namespace tk {

class GlyphButton;

// A button drawn by us: the classic push-button frame and the glyph in its
// middle, the disabled glyph while it is disabled.
class GlyphButtonWindow final : public ButtonWindow {
public:
    GlyphButtonWindow(GlyphButton& button, HWND parent);

    void setEnabled(bool enabled) override;
    void changed(Aspect aspect) override;
    bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void draw(const DRAWITEMSTRUCT& item);

    GlyphButton& button_;
};

} // namespace tk
