#include "toolkit/Glyph.h"

#include <algorithm>

namespace tk {

Glyph::Glyph(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kTransparent) {}

Glyph::Glyph(std::initializer_list<std::string_view> rows, const std::map<char, Pixel>& palette) {
    height_ = static_cast<int>(rows.size());
    for (std::string_view row : rows)
        width_ = std::max(width_, static_cast<int>(row.size()));
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   kTransparent);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            auto found = palette.find(row[static_cast<std::size_t>(x)]);
            if (found != palette.end())
                setPixel(x, y, found->second);
        }
        ++y;
    }
}

Glyph::Pixel Glyph::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return kTransparent;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Glyph::setPixel(int x, int y, Pixel pixel) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y * width_ + x)] = pixel;
}

bool Glyph::isDark(int x, int y) const {
    Pixel p = pixel(x, y);
    if (isSystem(p))
        return p == system(SysColor::BtnText) || p == system(SysColor::WindowText);
    if (p == kTransparent)
        return false;
    int luminance =
        (299 * int((p >> 16) & 0xFF) + 587 * int((p >> 8) & 0xFF) + 114 * int(p & 0xFF)) / 1000;
    return luminance < 160;
}

Glyph Glyph::embossed() const {
    Glyph result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (isDark(x, y))
                result.setPixel(x + 1, y + 1, system(SysColor::BtnHighlight));
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (isDark(x, y))
                result.setPixel(x, y, system(SysColor::BtnShadow));
        }
    }
    return result;
}

} // namespace tk
