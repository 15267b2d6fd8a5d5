#pragma once
#include "platform/Win32Types.h"

#include <windows.h>

namespace tk {

inline HWND toHwnd(platform::Handle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline platform::Handle toHandle(const void* handle) {
    return reinterpret_cast<platform::Handle>(handle);
}

} // namespace tk
