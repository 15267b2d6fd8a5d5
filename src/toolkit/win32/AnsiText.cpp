#include "toolkit/AnsiText.h"

#include "toolkit/win32/WideText.h"

#include <windows.h>

namespace tk {

std::string ansiToUtf8(std::string_view ansi) {
    return wideToUtf8(multiByteToWide(CP_ACP, ansi));
}

std::string utf8ToAnsi(std::string_view utf8) {
    return wideToMultiByte(CP_ACP, utf8ToWide(utf8));
}

} // namespace tk
