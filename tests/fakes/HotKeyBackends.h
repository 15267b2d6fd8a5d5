#pragma once
#include "platform/HotKeyApi.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
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

// The desktops the contract runs on: the fake everywhere, and the real one
// where the build has it.
struct HotKeyBackend {
    std::string name;
    std::function<std::unique_ptr<HotKeyDesktop>()> make;
};

inline void PrintTo(const HotKeyBackend& backend, std::ostream* out) {
    *out << backend.name;
}

std::vector<HotKeyBackend> hotKeyBackends();
