#pragma once
#include "platform/ScreenGeometry.h"
#include "platform/Win32Types.h"

namespace tk {

// Where a window opens on a desktop of one or more monitors: on the monitor
// the user works on (the one of the window it belongs to, else the one
// holding the mouse pointer, where the user just clicked the tray icon or
// pressed a hotkey), and never partly outside that monitor's work area.
// Rectangles are in pixels on the virtual screen.
class ScreenPlacement {
public:
    // The work area of the monitor a window mostly lies on, or of the
    // pointer's when there is no window.
    static platform::ScreenRect workAreaFor(platform::Handle window);
    // A window of that size centred in the area; one larger than the area
    // starts at its top left edge.
    static platform::ScreenRect centred(const platform::ScreenRect& area, int width, int height);
    // The window moved the least that puts it inside the area, or at the
    // area's top left edge where it is larger.
    static platform::ScreenRect keptInside(const platform::ScreenRect& area,
                                           const platform::ScreenRect& window);

private:
    static platform::ScreenRect workAreaOfMonitor(platform::Handle monitor);
};

} // namespace tk
