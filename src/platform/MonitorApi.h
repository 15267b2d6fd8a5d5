#pragma once
#include "platform/ScreenGeometry.h"
#include "platform/Seam.h"
#include "platform/Win32Types.h"

namespace platform {

// MONITORINFO: the monitor's rectangle on the virtual screen and its work
// area (the rectangle less the taskbar and docked bars), both in pixels.
struct MonitorInfo {
    Dword cbSize = sizeof(MonitorInfo);
    ScreenRect rcMonitor;
    ScreenRect rcWork;
    Dword dwFlags = 0;
};

constexpr Dword kMonitorDefaultToNull = 0;
constexpr Dword kMonitorDefaultToPrimary = 1;
constexpr Dword kMonitorDefaultToNearest = 2;
constexpr Dword kMonitorInfoPrimary = 1;

// The monitors of the desktop and where the mouse pointer is, one for one
// with the Win32 functions. A monitor is an HMONITOR as an integer.
class MonitorApi {
public:
    virtual ~MonitorApi() = default;

    virtual bool GetCursorPos(ScreenPoint* point) = 0;
    virtual Handle MonitorFromPoint(ScreenPoint point, Dword flags) = 0;
    virtual Handle MonitorFromWindow(Handle hwnd, Dword flags) = 0;
    virtual bool GetMonitorInfoW(Handle monitor, MonitorInfo* info) = 0;
};

// The real monitors, defined by the Windows build (see Seam.h).
MonitorApi& systemInstance(SystemOf<MonitorApi>);

// The instance the program uses: the one a test installed, else the system's.
inline MonitorApi& monitorApi() {
    return Seam<MonitorApi>::get();
}

} // namespace platform
