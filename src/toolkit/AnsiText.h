#pragma once
#include <string>
#include <string_view>

namespace tk {

// Data text (commands, folders, registry strings) is in the system's ANSI
// code page; the toolkit shows UTF-8. On Windows the conversion goes through
// the active code page; natively the data is taken as Latin-1, so every byte
// string round-trips. Captions never go through here.
std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

} // namespace tk
