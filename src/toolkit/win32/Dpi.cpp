#include "toolkit/win32/Dpi.h"

#include <windows.h>

namespace tk {

namespace {

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

int scaleFrom96Dpi(int pixels) {
    static const int dpi = screenDpi();
    return MulDiv(pixels, dpi, 96);
}

} // namespace tk
