#pragma once
#include "fakes/ContractBackend.h"
#include "platform/HotKeyApi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A desktop a contract test runs on: this process's hotkey functions, a
// window of its own to register hotkeys to, and another process that can
// take combinations and atoms.
class HotKeyDesktop {
public:
    struct Combination {
        unsigned modifiers = 0;
        unsigned vk = 0;
    };

    virtual ~HotKeyDesktop() = default;
    virtual platform::HotKeyApi& api() = 0;
    virtual platform::Handle window() = 0;
    // Another process registers the combinations to a window of its own and
    // adds the atoms, and keeps them until releaseElsewhere. Gives the atoms
    // it got, or nothing when it could not register every combination.
    virtual std::optional<std::vector<std::uint16_t>>
    holdElsewhere(const std::vector<Combination>& hotKeys,
                  const std::vector<std::string>& atomNames) = 0;
    virtual void releaseElsewhere() = 0;
};

using HotKeyBackend = ContractBackend<HotKeyDesktop>;

// Two fake processes over one fake system (FakeHotKeyBackend.cpp).
HotKeyBackend fakeHotKeyBackend();
// This process and hotkey_holder.exe on the real desktop, in the Windows
// build (tests/win32/Win32HotKeyBackends.cpp).
HotKeyBackend realBackend(const HotKeyBackend& fake);

inline std::vector<HotKeyBackend> hotKeyBackends() {
    return fakeAndReal({fakeHotKeyBackend()});
}
