#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"

#include <cstdint>

namespace platform {

// WM_HOTKEY: what the system posts for a registered combination, and what
// the shell's program-manager window takes for its own hotkeys.
constexpr unsigned kWmHotKey = 0x0312;

constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModControl = 0x2;
constexpr unsigned kModShift = 0x4;
constexpr unsigned kModWin = 0x8;
constexpr unsigned kModNoRepeat = 0x4000;

constexpr Dword kErrorInvalidParameter = 87;
constexpr Dword kErrorInvalidWindowHandle = 1400;
constexpr Dword kErrorHotkeyAlreadyRegistered = 1409;
constexpr Dword kErrorHotkeyNotRegistered = 1419;

// Global hotkeys and global atoms, one for one with the Win32 functions.
// GetLastError is here so that the reason for a refusal can be told.
class HotKeyApi {
public:
    virtual ~HotKeyApi() = default;

    virtual bool RegisterHotKey(Handle hwnd, int id, unsigned modifiers, unsigned vk) = 0;
    virtual bool UnregisterHotKey(Handle hwnd, int id) = 0;
    virtual std::uint16_t GlobalAddAtomA(const char* name) = 0;
    // 0 on success, the atom itself on failure.
    virtual std::uint16_t GlobalDeleteAtom(std::uint16_t atom) = 0;
    virtual Dword GetLastError() = 0;
};

// The real hotkey and atom functions, defined by the Windows build (see Seam.h).
HotKeyApi& systemInstance(SystemOf<HotKeyApi>);

// The instance the program uses: the one a test installed, else the system's.
inline HotKeyApi& hotKeyApi() {
    return Seam<HotKeyApi>::get();
}

} // namespace platform
