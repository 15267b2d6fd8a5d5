#pragma once
#include "platform/MonitorApi.h"

#include <cstddef>
#include <map>
#include <vector>

// A desktop of monitors laid out on the virtual screen, each with its work
// area, the mouse pointer somewhere on it, and windows of given rectangles.
// Monitors are found as Windows finds them: the one holding the point, or
// the one a window overlaps most; else by the flags, the nearest or the
// primary (the first added). Made with one 1024x768 monitor whose taskbar
// is 20 pixels high at the bottom, as under Wine.
class FakeMonitors : public platform::MonitorApi {
public:
    FakeMonitors();

    bool GetCursorPos(platform::ScreenPoint* point) override;
    platform::Handle MonitorFromPoint(platform::ScreenPoint point, platform::Dword flags) override;
    platform::Handle MonitorFromWindow(platform::Handle hwnd, platform::Dword flags) override;
    bool GetMonitorInfoW(platform::Handle monitor, platform::MonitorInfo* info) override;

    // Replaces every monitor; the first given is the primary one.
    void setMonitors(std::vector<platform::MonitorInfo> monitors);
    void setCursorPos(int x, int y) { cursor_ = {x, y}; }
    platform::Handle addWindow(platform::ScreenRect rect);

private:
    platform::Handle byFlags(const platform::ScreenRect& rect, platform::Dword flags) const;
    static platform::Handle handleOf(std::size_t index) { return 0x10000 + index; }

    std::vector<platform::MonitorInfo> monitors_;
    std::map<platform::Handle, platform::ScreenRect> windows_;
    platform::ScreenPoint cursor_;
};
