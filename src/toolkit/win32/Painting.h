#pragma once
#include "toolkit/Glyph.h"
#include "toolkit/SysColor.h"

#include <windows.h>

namespace tk {

COLORREF colorOf(SysColor color);
HBRUSH brushOf(SysColor color);
// Draws the classic 3-D edge one pixel wide just inside the rectangle and
// moves the rectangle's sides in by one.
void frame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// The user's high-contrast setting, read now.
bool highContrast();
// Draws the glyph with its top left corner at (x, y), each of its pixels a
// square of scale by scale screen pixels. Under high contrast only its
// pixels in system colours are drawn: the picture's own colours would stand
// against the user's scheme.
void drawGlyph(HDC dc, const Glyph& glyph, int x, int y, int scale);

} // namespace tk
