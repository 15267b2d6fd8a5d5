#pragma once
#include <windows.h>

namespace tk {

// The answer to WM_GETOBJECT for the client of one of our controls: the
// system's standard object for the window, of which only the name (and for
// a panel used as a toggle button, its role and pressed state) come from
// the control. Everything else, keyboard and value included, stays the
// system's.
class AccessibleObject {
public:
    // 0 when the system should answer by itself: the object is not the
    // client, the control adds nothing, or the system's parts are missing.
    static LRESULT answer(HWND window, WPARAM flags, LPARAM objectId);
};

} // namespace tk
