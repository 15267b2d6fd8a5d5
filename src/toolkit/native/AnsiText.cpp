#include "toolkit/AnsiText.h"

#include "toolkit/Latin1Text.h"

namespace tk {

std::string ansiToUtf8(std::string_view ansi) {
    return latin1ToUtf8(ansi);
}

std::string utf8ToAnsi(std::string_view utf8) {
    return utf8ToLatin1(utf8);
}

} // namespace tk
