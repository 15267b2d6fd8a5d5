#pragma once
#include "toolkit/SysColor.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

namespace tk {

// A small picture for a button, in pixels at 96 DPI. A pixel is a colour
// 0xRRGGBB, transparent, or one of the system colours.
class Glyph {
public:
    using Pixel = std::uint32_t;
    static constexpr Pixel kTransparent = 0xFF000000u;
    static constexpr Pixel system(SysColor color) { return 0x80000000u | Pixel(color); }
    static bool isSystem(Pixel pixel) { return (pixel & 0xFF000000u) == 0x80000000u; }

    Glyph() = default;
    // One string per row, one character per pixel, looked up in the palette;
    // characters not in it are transparent.
    Glyph(std::initializer_list<std::string_view> rows, const std::map<char, Pixel>& palette);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Pixel pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel pixel);

    // The classic look of a disabled picture: its dark pixels (ink in the
    // text colour among them) in the shadow colour over a copy of them in the
    // highlight colour one pixel down and to the right; everything else
    // transparent.
    Glyph embossed() const;

    bool operator==(const Glyph&) const = default;

private:
    Glyph(int width, int height);
    bool isDark(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

} // namespace tk
