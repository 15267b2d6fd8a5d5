#include "toolkit/win32/Painting.h"

namespace tk {

static_assert(int(SysColor::Window) == COLOR_WINDOW &&
              int(SysColor::WindowText) == COLOR_WINDOWTEXT);
static_assert(int(SysColor::BtnFace) == COLOR_BTNFACE && int(SysColor::BtnText) == COLOR_BTNTEXT);
static_assert(int(SysColor::BtnShadow) == COLOR_BTNSHADOW &&
              int(SysColor::BtnHighlight) == COLOR_BTNHIGHLIGHT);
static_assert(int(SysColor::GrayText) == COLOR_GRAYTEXT);
static_assert(int(SysColor::Highlight) == COLOR_HIGHLIGHT &&
              int(SysColor::HighlightText) == COLOR_HIGHLIGHTTEXT);

COLORREF colorOf(SysColor color) {
    return GetSysColor(static_cast<int>(color));
}

HBRUSH brushOf(SysColor color) {
    return GetSysColorBrush(static_cast<int>(color));
}

namespace {

// Fills with the DC brush, which the caller has selected, in the colour.
void fill(HDC dc, int left, int top, int width, int height, COLORREF color) {
    SetDCBrushColor(dc, color);
    PatBlt(dc, left, top, width, height, PATCOPY);
}

COLORREF pixelColor(Glyph::Pixel pixel) {
    if (Glyph::isSystem(pixel))
        return GetSysColor(static_cast<int>(pixel & 0xFF));
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// Panels and glyphs are painted on every show: the brush is chosen once for
// all their lines.
class DcBrush {
public:
    explicit DcBrush(HDC dc) : dc_(dc), previous_(SelectObject(dc, GetStockObject(DC_BRUSH))) {}
    ~DcBrush() { SelectObject(dc_, previous_); }
    DcBrush(const DcBrush&) = delete;
    DcBrush& operator=(const DcBrush&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

void frame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    DcBrush brush(dc);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    fill(dc, rect.left, rect.top, width, 1, topLeft);
    fill(dc, rect.left, rect.top, 1, height, topLeft);
    fill(dc, rect.left, rect.bottom - 1, width, 1, bottomRight);
    fill(dc, rect.right - 1, rect.top, 1, height, bottomRight);
    InflateRect(&rect, -1, -1);
}

bool highContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

// A run of pixels of one colour in a row is one fill.
void drawGlyph(HDC dc, const Glyph& glyph, int x, int y, int scale) {
    DcBrush brush(dc);
    bool systemOnly = highContrast();
    for (int row = 0; row < glyph.height(); ++row) {
        for (int column = 0; column < glyph.width();) {
            Glyph::Pixel pixel = glyph.pixel(column, row);
            int end = column + 1;
            while (end < glyph.width() && glyph.pixel(end, row) == pixel)
                ++end;
            if (pixel != Glyph::kTransparent && (!systemOnly || Glyph::isSystem(pixel)))
                fill(dc, x + column * scale, y + row * scale, (end - column) * scale, scale,
                     pixelColor(pixel));
            column = end;
        }
    }
}

} // namespace tk
