#pragma once
#include <string>
#include <string_view>

namespace tk {

// Latin-1 maps every byte to the code point of the same value, so any byte
// string survives the trip to UTF-8 and back. Code points beyond 0xFF and
// malformed UTF-8 sequences become '?'.
std::string latin1ToUtf8(std::string_view latin1);
std::string utf8ToLatin1(std::string_view utf8);

// One code point in UTF-8.
std::string utf8Of(char32_t c);

} // namespace tk
