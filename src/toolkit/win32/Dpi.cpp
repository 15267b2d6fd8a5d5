#include "toolkit/win32/Dpi.h"

namespace tk {

namespace {

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// Functions of newer versions of Windows, looked up once in the user32 the
// program already has loaded: null where the system lacks them.
template <class Function> Function user32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

int systemDpi() {
    static const int dpi = screenDpi();
    return dpi;
}

// Only a window aware of its monitor's DPI is laid out at it: any other is
// laid out at the system DPI, as the system scales it from there.
int dpiOf(HWND window) {
    using ContextOfWindow = HANDLE(WINAPI*)(HWND);
    using AwarenessOfContext = int(WINAPI*)(HANDLE);
    using DpiOfWindow = UINT(WINAPI*)(HWND);
    static const auto contextOf = user32Function<ContextOfWindow>("GetWindowDpiAwarenessContext");
    static const auto awarenessOf =
        user32Function<AwarenessOfContext>("GetAwarenessFromDpiAwarenessContext");
    static const auto dpiOfWindow = user32Function<DpiOfWindow>("GetDpiForWindow");
    constexpr int kPerMonitorAware = 2; // DPI_AWARENESS_PER_MONITOR_AWARE
    if (!window || !contextOf || !awarenessOf || !dpiOfWindow ||
        awarenessOf(contextOf(window)) != kPerMonitorAware)
        return systemDpi();
    UINT dpi = dpiOfWindow(window);
    return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

int scaleFrom96Dpi(int pixels) {
    return scaleFrom96Dpi(pixels, systemDpi());
}

int scaleFrom96Dpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

int systemMetricForDpi(int index, int dpi) {
    using Function = int(WINAPI*)(int, UINT);
    static const auto forDpi = user32Function<Function>("GetSystemMetricsForDpi");
    if (forDpi && dpi != systemDpi())
        return forDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, systemDpi());
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = user32Function<Function>("AdjustWindowRectExForDpi");
    if (forDpi && dpi != systemDpi())
        forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

HICON loadIconForDpi(int resourceId, bool small, int dpi) {
    int width = systemMetricForDpi(small ? SM_CXSMICON : SM_CXICON, dpi);
    int height = systemMetricForDpi(small ? SM_CYSMICON : SM_CYICON, dpi);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                         IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

} // namespace tk
