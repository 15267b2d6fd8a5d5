#include "toolkit/ScreenPlacement.h"

#include "platform/MonitorApi.h"

#include <algorithm>

namespace tk {

using platform::ScreenRect;

namespace {

// Where a line of that length starts so as to lie within [first, last).
int keptWithin(int start, int length, int first, int last) {
    return std::max(first, std::min(start, last - length));
}

} // namespace

ScreenRect ScreenPlacement::workAreaFor(platform::Handle window) {
    auto& monitors = platform::monitorApi();
    if (window)
        return workAreaOfMonitor(
            monitors.MonitorFromWindow(window, platform::kMonitorDefaultToNearest));
    platform::ScreenPoint pointer;
    if (!monitors.GetCursorPos(&pointer))
        return workAreaOfMonitor(monitors.MonitorFromPoint({}, platform::kMonitorDefaultToPrimary));
    return workAreaOfMonitor(
        monitors.MonitorFromPoint(pointer, platform::kMonitorDefaultToNearest));
}

ScreenRect ScreenPlacement::workAreaOfMonitor(platform::Handle monitor) {
    platform::MonitorInfo info;
    if (platform::monitorApi().GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    return {};
}

ScreenRect ScreenPlacement::centred(const ScreenRect& area, int width, int height) {
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    return keptInside(area, {left, top, left + width, top + height});
}

ScreenRect ScreenPlacement::keptInside(const ScreenRect& area, const ScreenRect& window) {
    if (area.right <= area.left || area.bottom <= area.top)
        return window; // no monitor answered: leave the window where it is
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int left = keptWithin(window.left, width, area.left, area.right);
    int top = keptWithin(window.top, height, area.top, area.bottom);
    return {left, top, left + width, top + height};
}

} // namespace tk
