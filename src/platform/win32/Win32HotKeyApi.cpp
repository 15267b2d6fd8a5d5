#include "platform/HotKeyApi.h"

#include <windows.h>

namespace platform {

static_assert(kWmHotKey == WM_HOTKEY);
static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT);
static_assert(kModWin == MOD_WIN && kModNoRepeat == MOD_NOREPEAT);

namespace {

HWND hwndOf(Handle h) {
    return reinterpret_cast<HWND>(h);
}

class Win32HotKeyApi final : public HotKeyApi {
public:
    bool RegisterHotKey(Handle hwnd, int id, unsigned modifiers, unsigned vk) override {
        return ::RegisterHotKey(hwndOf(hwnd), id, modifiers, vk) != FALSE;
    }
    bool UnregisterHotKey(Handle hwnd, int id) override {
        return ::UnregisterHotKey(hwndOf(hwnd), id) != FALSE;
    }
    std::uint16_t GlobalAddAtomA(const char* name) override { return ::GlobalAddAtomA(name); }
    std::uint16_t GlobalDeleteAtom(std::uint16_t atom) override { return ::GlobalDeleteAtom(atom); }
    Dword GetLastError() override { return ::GetLastError(); }
};

} // namespace

HotKeyApi& systemInstance(SystemOf<HotKeyApi>) {
    static Win32HotKeyApi api;
    return api;
}

} // namespace platform
