#include "toolkit/win32/GlyphButtonWindow.h"

#include "toolkit/GlyphButton.h"
#include "toolkit/win32/Painting.h"

#include <algorithm>

namespace tk {

GlyphButtonWindow::GlyphButtonWindow(GlyphButton& button, HWND parent)
    : ButtonWindow(button, parent, BS_OWNERDRAW), button_(button) {}

void GlyphButtonWindow::setEnabled(bool enabled) {
    ButtonWindow::setEnabled(enabled);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void GlyphButtonWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Look)
        InvalidateRect(hwnd(), nullptr, TRUE);
    ButtonWindow::changed(aspect);
}

bool GlyphButtonWindow::notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_DRAWITEM)
        return ButtonWindow::notified(msg, wParam, lParam, result);
    draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void GlyphButtonWindow::draw(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const Glyph& glyph = button_.shownGlyph();
    // Whole pixels per dot, so that the dots stay sharp at any DPI.
    int scale = std::max(1, scaled(16) / 16);
    int x = (rect.left + rect.right - glyph.width() * scale) / 2 + (pushed ? 1 : 0);
    int y = (rect.top + rect.bottom - glyph.height() * scale) / 2 + (pushed ? 1 : 0);
    drawGlyph(item.hDC, glyph, x, y, scale);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

} // namespace tk
