#include "toolkit/win32/WideText.h"

#include <windows.h>

namespace tk {

std::wstring multiByteToWide(unsigned codePage, std::string_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string wideToMultiByte(unsigned codePage, std::wstring_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring utf8ToWide(std::string_view utf8) {
    return multiByteToWide(CP_UTF8, utf8);
}

std::string wideToUtf8(std::wstring_view wide) {
    return wideToMultiByte(CP_UTF8, wide);
}

} // namespace tk
