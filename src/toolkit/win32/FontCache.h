#pragma once
#include "toolkit/Font.h"

#include <map>
#include <utility>
#include <windows.h>

namespace tk {

// The GDI fonts of the program, made once per description and DPI and kept:
// the windows of several monitors share them. A face that is not installed
// is replaced (see chooseFontFace).
class FontCache {
public:
    static FontCache& instance();
    ~FontCache();

    HFONT get(const Font& font, int dpi);
    // The face the font was made with, as the system reports it.
    static std::wstring faceOf(HFONT font);

private:
    FontCache() = default;
    static HFONT create(const Font& font, int dpi);

    std::map<std::pair<Font, int>, HFONT> fonts_;
};

} // namespace tk
