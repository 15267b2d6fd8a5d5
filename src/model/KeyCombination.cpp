#include "model/KeyCombination.h"

#include "platform/HotKeyApi.h"

KeyCombination KeyCombination::reported(unsigned modifiers, unsigned key) {
    return {static_cast<char>(key & 0xFF), (modifiers & platform::kModControl) != 0,
            (modifiers & platform::kModAlt) != 0, (modifiers & platform::kModShift) != 0};
}

std::string KeyCombination::atomName(const std::string& prefix) const {
    std::string name = prefix + "_" + letter_;
    if (ctrl())
        name += "_ctrl";
    if (alt())
        name += "_alt";
    if (shift())
        name += "_shift";
    return name;
}

unsigned KeyCombination::hotKeyModifiers() const {
    return platform::kModWin | (ctrl() ? platform::kModControl : 0) |
           (alt() ? platform::kModAlt : 0) | (shift() ? platform::kModShift : 0);
}

std::string KeyCombination::text() const {
    std::string text = "[Windows] ";
    if (ctrl())
        text += "+ [CTRL] ";
    if (alt())
        text += "+ [ALT] ";
    if (shift())
        text += "+ [SHIFT] ";
    text += "+ ";
    if (letter_ != '\0')
        text += letter_;
    return text;
}
