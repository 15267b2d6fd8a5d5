#pragma once
#include <string>
#include <string_view>

namespace tk {

// Conversions for the wide Win32 functions. Malformed input becomes U+FFFD
// (or the code page's default character), never an error.
std::wstring multiByteToWide(unsigned codePage, std::string_view text);
std::string wideToMultiByte(unsigned codePage, std::wstring_view text);

std::wstring utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);

} // namespace tk
