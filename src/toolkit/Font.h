#pragma once
#include <string>

namespace tk {

constexpr int kShiftJisCharset = 128;

// A font as the layouts give it: a face name in UTF-8, a character height in
// pixels at 96 DPI and a character set. The default is the program's font.
struct Font {
    std::string face = "ＭＳ Ｐゴシック";
    int height = 12;
    int charset = kShiftJisCharset;

    bool operator==(const Font&) const = default;
    auto operator<=>(const Font&) const = default;
};

} // namespace tk
