#include "fakes/FakeMonitors.h"

#include <algorithm>
#include <cstdint>

using namespace platform;

namespace {

std::int64_t overlap(const ScreenRect& a, const ScreenRect& b) {
    std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// How far a rectangle lies from another, along the farther axis.
std::int64_t distance(const ScreenRect& a, const ScreenRect& b) {
    std::int64_t dx = std::max({0, a.left - b.right, b.left - a.right});
    std::int64_t dy = std::max({0, a.top - b.bottom, b.top - a.bottom});
    return std::max(dx, dy);
}

} // namespace

FakeMonitors::FakeMonitors() {
    setMonitors({{sizeof(MonitorInfo), {0, 0, 1024, 768}, {0, 0, 1024, 748}, 0}});
}

void FakeMonitors::setMonitors(std::vector<MonitorInfo> monitors) {
    monitors_ = std::move(monitors);
    for (size_t i = 0; i < monitors_.size(); ++i)
        monitors_[i].dwFlags = i == 0 ? kMonitorInfoPrimary : 0;
}

Handle FakeMonitors::addWindow(ScreenRect rect) {
    Handle hwnd = 0x20000 + windows_.size() * 0x10;
    windows_[hwnd] = rect;
    return hwnd;
}

bool FakeMonitors::GetCursorPos(ScreenPoint* point) {
    if (!point)
        return false;
    *point = cursor_;
    return true;
}

Handle FakeMonitors::MonitorFromPoint(ScreenPoint point, Dword flags) {
    return byFlags({point.x, point.y, point.x + 1, point.y + 1}, flags);
}

Handle FakeMonitors::MonitorFromWindow(Handle hwnd, Dword flags) {
    auto found = windows_.find(hwnd);
    return found == windows_.end() ? 0 : byFlags(found->second, flags);
}

Handle FakeMonitors::byFlags(const ScreenRect& rect, Dword flags) const {
    size_t best = 0;
    for (size_t i = 1; i < monitors_.size(); ++i)
        if (overlap(rect, monitors_[i].rcMonitor) > overlap(rect, monitors_[best].rcMonitor))
            best = i;
    if (overlap(rect, monitors_[best].rcMonitor) > 0)
        return handleOf(best);
    if (flags == kMonitorDefaultToPrimary)
        return handleOf(0);
    if (flags != kMonitorDefaultToNearest)
        return 0;
    for (size_t i = 1; i < monitors_.size(); ++i)
        if (distance(rect, monitors_[i].rcMonitor) < distance(rect, monitors_[best].rcMonitor))
            best = i;
    return handleOf(best);
}

bool FakeMonitors::GetMonitorInfoW(Handle monitor, MonitorInfo* info) {
    size_t index = monitor - handleOf(0);
    if (!info || info->cbSize != sizeof(MonitorInfo) || monitor < handleOf(0) ||
        index >= monitors_.size())
        return false;
    *info = monitors_[index];
    return true;
}
