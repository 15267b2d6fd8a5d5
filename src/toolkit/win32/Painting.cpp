#include "toolkit/win32/Painting.h"

namespace tk {

COLORREF colorOf(SysColor color) {
    return GetSysColor(static_cast<int>(color));
}

HBRUSH brushOf(SysColor color) {
    return GetSysColorBrush(static_cast<int>(color));
}

namespace {

void line(HDC dc, int left, int top, int width, int height, COLORREF color) {
    SetDCBrushColor(dc, color);
    RECT rect{left, top, left + width, top + height};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

COLORREF pixelColor(Glyph::Pixel pixel) {
    if (Glyph::isSystem(pixel))
        return GetSysColor(static_cast<int>(pixel & 0xFF));
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace

void frame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    line(dc, rect.left, rect.top, width, 1, topLeft);
    line(dc, rect.left, rect.top, 1, height, topLeft);
    line(dc, rect.left, rect.bottom - 1, width, 1, bottomRight);
    line(dc, rect.right - 1, rect.top, 1, height, bottomRight);
    InflateRect(&rect, -1, -1);
}

void drawGlyph(HDC dc, const Glyph& glyph, int x, int y, int scale) {
    for (int row = 0; row < glyph.height(); ++row) {
        for (int column = 0; column < glyph.width(); ++column) {
            Glyph::Pixel pixel = glyph.pixel(column, row);
            if (pixel != Glyph::kTransparent)
                line(dc, x + column * scale, y + row * scale, scale, scale, pixelColor(pixel));
        }
    }
}

} // namespace tk
