#pragma once
#include "model/KeyCombination.h"
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
    static constexpr int kSlotCount = KeyCombination::kSlotCount;

    // Creates the atoms and probes every combination once.
    HotKeyAccessCtrl(platform::Handle window, std::string prefix);
    ~HotKeyAccessCtrl();
    HotKeyAccessCtrl(const HotKeyAccessCtrl&) = delete;
    HotKeyAccessCtrl& operator=(const HotKeyAccessCtrl&) = delete;

    bool isRegistered(const KeyCombination& combination) const;
    bool isUsable(const KeyCombination& combination) const;
    std::uint16_t atomOf(const KeyCombination& combination) const;
    std::string atomName(const KeyCombination& combination) const;
    bool registerHotKey(const KeyCombination& combination);
    bool unregisterHotKey(const KeyCombination& combination);
    bool synchronize(const HotKeyList* list);
    bool unregisterAll();

    // The same, with the combination given as its four parts.
    bool isRegistered(char l, bool c, bool a, bool s) const { return isRegistered({l, c, a, s}); }
    bool isUsable(char l, bool c, bool a, bool s) const { return isUsable({l, c, a, s}); }
    std::uint16_t atomOf(char l, bool c, bool a, bool s) const { return atomOf({l, c, a, s}); }
    static int slotOf(char l, bool c, bool a, bool s) { return KeyCombination(l, c, a, s).slot(); }
    std::string atomName(char l, bool c, bool a, bool s) const { return atomName({l, c, a, s}); }
    bool registerHotKey(char l, bool c, bool a, bool s) { return registerHotKey({l, c, a, s}); }
    bool unregisterHotKey(char l, bool c, bool a, bool s) { return unregisterHotKey({l, c, a, s}); }

private:
    template <typename Visit> static void forEachCombination(Visit visit);
    void createAndProbe(const KeyCombination& combination);
    void release();
    bool synchronizeOne(const HotKeyList* list, const KeyCombination& combination);
    bool registerWithSystem(const KeyCombination& combination);

    platform::Handle window_;
    std::array<bool, kSlotCount> usable_{};
    std::array<bool, kSlotCount> registered_{};
    std::array<std::uint16_t, kSlotCount> atoms_{};
    std::string prefix_;
    // Added to every registration so that a held combination fires once;
    // dropped for good once the system refuses it.
    unsigned noRepeat_;
};
