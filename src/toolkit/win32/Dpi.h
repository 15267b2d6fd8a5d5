#pragma once
#include <windows.h>

namespace tk {

// The DPI the screen had when the program started: the one Windows gives a
// program that is not told otherwise, and the one of every window where the
// system has no DPI per monitor.
int systemDpi();
// The DPI of the monitor a top-level window is on, where the window is aware
// of it and the system tells it (GetDpiForWindow, Windows 10 1607 and later);
// the system DPI elsewhere.
int dpiOf(HWND window);

// Scales a length given at 96 DPI to pixels at the system DPI, or at a DPI.
int scaleFrom96Dpi(int pixels);
int scaleFrom96Dpi(int pixels, int dpi);

// GetSystemMetrics at a DPI: GetSystemMetrics itself at the system DPI, else
// GetSystemMetricsForDpi where the system has it, else the metric scaled.
int systemMetricForDpi(int index, int dpi);
// The window rectangle around a client rectangle, with the frame the system
// draws at that DPI (AdjustWindowRectExForDpi where the system has it).
void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

// The program's icon with this resource id at the size the system shows a
// small or large icon at a DPI; null when there is none.
HICON loadIconForDpi(int resourceId, bool small, int dpi);

} // namespace tk
