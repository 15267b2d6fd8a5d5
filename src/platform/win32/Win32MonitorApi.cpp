#include "platform/MonitorApi.h"

#include <windows.h>

#include <cstddef>

namespace platform {

static_assert(sizeof(ScreenRect) == sizeof(RECT) && sizeof(ScreenPoint) == sizeof(POINT));
static_assert(sizeof(MonitorInfo) == sizeof(MONITORINFO));
static_assert(offsetof(MonitorInfo, rcWork) == offsetof(MONITORINFO, rcWork));
static_assert(kMonitorDefaultToNull == MONITOR_DEFAULTTONULL);
static_assert(kMonitorDefaultToPrimary == MONITOR_DEFAULTTOPRIMARY);
static_assert(kMonitorDefaultToNearest == MONITOR_DEFAULTTONEAREST);
static_assert(kMonitorInfoPrimary == MONITORINFOF_PRIMARY);

namespace {

class Win32MonitorApi final : public MonitorApi {
public:
    bool GetCursorPos(ScreenPoint* point) override {
        return ::GetCursorPos(reinterpret_cast<POINT*>(point)) != FALSE;
    }
    Handle MonitorFromPoint(ScreenPoint point, Dword flags) override {
        return reinterpret_cast<Handle>(::MonitorFromPoint(POINT{point.x, point.y}, flags));
    }
    Handle MonitorFromWindow(Handle hwnd, Dword flags) override {
        return reinterpret_cast<Handle>(::MonitorFromWindow(reinterpret_cast<HWND>(hwnd), flags));
    }
    bool GetMonitorInfoW(Handle monitor, MonitorInfo* info) override {
        return ::GetMonitorInfoW(reinterpret_cast<HMONITOR>(monitor),
                                 reinterpret_cast<MONITORINFO*>(info)) != FALSE;
    }
};

} // namespace

MonitorApi& systemInstance(SystemOf<MonitorApi>) {
    static Win32MonitorApi api;
    return api;
}

} // namespace platform
