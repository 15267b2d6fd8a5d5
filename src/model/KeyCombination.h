#pragma once
#include <string>

// A hotkey's combination: the Windows key, which is part of every one, any
// of Ctrl, Alt and Shift, and a letter. The letter is kept as given, since a
// stored definition's letter is compared byte for byte; its place in the
// alphabet, in either case, is worked out once, when the value is made.
class KeyCombination {
public:
    struct Modifiers {
        bool ctrl = false;
        bool alt = false;
        bool shift = false;
    };

    static constexpr int kSlotCount = 208;

    KeyCombination() = default;
    KeyCombination(char letter, Modifiers modifiers)
        : letter_(letter), modifiers_(modifiers), index_(letterIndex(letter)) {}
    KeyCombination(char letter, bool ctrl, bool alt, bool shift)
        : KeyCombination(letter, Modifiers{ctrl, alt, shift}) {}
    // As a WM_HOTKEY message reports it: MOD_* bits and a virtual key.
    static KeyCombination reported(unsigned modifiers, unsigned key);

    char letter() const { return letter_; }
    bool ctrl() const { return modifiers_.ctrl; }
    bool alt() const { return modifiers_.alt; }
    bool shift() const { return modifiers_.shift; }

    // 0..25 for 'A'..'Z' and for 'a'..'z'; -1 for anything else.
    static int letterIndex(char c) {
        int index = c >= 'a' && c <= 'z' ? c - 'a' : c - 'A';
        return index < 0 || index > 25 ? -1 : index;
    }
    // 0..207: the letter's index, + 26 with Ctrl, + 52 with Alt, + 104 with
    // Shift; -1 without a letter.
    int slot() const {
        if (index_ < 0)
            return -1;
        return index_ + (ctrl() ? 26 : 0) + (alt() ? 52 : 0) + (shift() ? 104 : 0);
    }
    // The prefix, "_", the letter, then "_ctrl", "_alt", "_shift" as they apply.
    std::string atomName(const std::string& prefix) const;
    // MOD_WIN, with MOD_CONTROL, MOD_ALT and MOD_SHIFT as they apply.
    unsigned hotKeyModifiers() const;
    // "[Windows] + [CTRL] + A", in the ANSI code page: the letter is data.
    std::string text() const;

private:
    char letter_ = '\0';
    Modifiers modifiers_;
    int index_ = -1;
};
