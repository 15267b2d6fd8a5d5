#pragma once
#include "platform/Win32Types.h"

#include <array>
#include <cstdint>
#include <string>

class HotKeyList;

// The program's global hotkeys: Windows + any of Ctrl, Alt, Shift + A..Z,
// 208 combinations numbered as slots. Each slot has a global atom that is
// also its hotkey identifier, and remembers whether it is registered now and
// whether the last attempt to register or unregister it succeeded.
class HotKeyAccessCtrl {
public:
    static constexpr int kSlotCount = 208;

    // Creates the atoms and probes every combination once.
    HotKeyAccessCtrl(platform::Handle window, std::string prefix);
    ~HotKeyAccessCtrl();
    HotKeyAccessCtrl(const HotKeyAccessCtrl&) = delete;
    HotKeyAccessCtrl& operator=(const HotKeyAccessCtrl&) = delete;

    bool isRegistered(char letter, bool ctrl, bool alt, bool shift) const;
    bool isUsable(char letter, bool ctrl, bool alt, bool shift) const;
    std::uint16_t atomOf(char letter, bool ctrl, bool alt, bool shift) const;
    static int slotOf(char letter, bool ctrl, bool alt, bool shift);
    std::string atomName(char letter, bool ctrl, bool alt, bool shift) const;

    bool registerHotKey(char letter, bool ctrl, bool alt, bool shift);
    bool unregisterHotKey(char letter, bool ctrl, bool alt, bool shift);
    bool synchronize(const HotKeyList* list);
    bool unregisterAll();

private:
    template <typename Visit> static void forEachCombination(Visit visit);
    static unsigned modifiersOf(bool ctrl, bool alt, bool shift);
    void createAndProbe(char letter, bool ctrl, bool alt, bool shift);
    void release();
    bool synchronizeOne(const HotKeyList* list, char letter, bool ctrl, bool alt, bool shift);
    bool registerWithSystem(int slot, unsigned modifiers, char letter);

    platform::Handle window_;
    std::array<bool, kSlotCount> usable_{};
    std::array<bool, kSlotCount> registered_{};
    std::array<std::uint16_t, kSlotCount> atoms_{};
    std::string prefix_;
    // Added to every registration so that a held combination fires once;
    // dropped for good once the system refuses it.
    unsigned noRepeat_;
};
