#pragma once
#include "platform/Win32Types.h"

#include <cstdint>

namespace platform {

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

// The instance the program uses; see registryApi() for how tests replace it.
HotKeyApi& hotKeyApi();
HotKeyApi* installHotKeyApi(HotKeyApi* api);
// Defined by the build: the real API on Windows, an unavailable one natively.
HotKeyApi& defaultHotKeyApi();

} // namespace platform
