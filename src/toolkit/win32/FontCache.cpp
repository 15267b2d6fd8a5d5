#include "toolkit/win32/FontCache.h"

#include "toolkit/FontFace.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/WideText.h"

#include <string>

namespace tk {

namespace {

int CALLBACK faceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(std::string_view face, int charset) {
    std::wstring wide = utf8ToWide(face);
    if (wide.size() >= LF_FACESIZE)
        return false;
    LOGFONTW query{};
    query.lfCharSet = static_cast<BYTE>(charset);
    wide.copy(query.lfFaceName, wide.size());
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(screen, &query, faceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

FontCache& FontCache::instance() {
    static FontCache cache;
    return cache;
}

FontCache::~FontCache() {
    for (auto& [font, handle] : fonts_)
        DeleteObject(handle);
}

HFONT FontCache::get(const Font& font, int dpi) {
    auto key = std::make_pair(font, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second;
    HFONT handle = create(font, dpi);
    fonts_[key] = handle;
    return handle;
}

HFONT FontCache::create(const Font& font, int dpi) {
    std::string face = chooseFontFace(
        font.face, [&](std::string_view candidate) { return installed(candidate, font.charset); });
    return CreateFontW(-scaleFrom96Dpi(font.height, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, utf8ToWide(face).c_str());
}

std::wstring FontCache::faceOf(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return face;
}

} // namespace tk
