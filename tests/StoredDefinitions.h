#pragma once
#include "app/Lumaro.h"
#include "fakes/FakeRegistry.h"
#include "model/HotKey.h"
#include "model/HotKeyList.h"
#include "model/StoredListLayout.h"

#include <cstdint>
#include <string>

// Where the tests find and put stored definitions: the program's own key, and
// items written value by value as a save writes them.
namespace stored {

inline const std::string kListKey = Lumaro::kRegistryKey;

inline std::string itemKey(int index) {
    return kListKey + "\\" + StoredListLayout::itemKeyName(Lumaro::kItemName, index);
}

inline void storeItem(FakeRegistry& registry, int index, const std::string& letter, bool ctrl,
                      const std::string& command, std::uint32_t extra = 0) {
    const std::string key = itemKey(index);
    registry.setString(key, "Key", letter);
    registry.setDword(key, "Ctrl", ctrl);
    registry.setDword(key, "Alt", 0);
    registry.setDword(key, "Shift", 0);
    registry.setString(key, "Command", command);
    registry.setString(key, "Directory", "");
    registry.setString(key, "Parameters", "");
    registry.setDword(key, "Extra", extra);
    registry.setDword(key, "ShowCmd", 5);
}

inline void storeCount(FakeRegistry& registry, int count) {
    registry.setDword(kListKey, "Count", static_cast<std::uint32_t>(count));
}

// A list as one text, every field of every item, to compare two lists by.
inline std::string describe(const HotKeyList& list) {
    std::string text;
    for (int i = 0; i < list.count(); ++i) {
        const HotKey* k = list.at(i);
        text += k->key() + "|" + std::to_string(k->ctrl()) + std::to_string(k->alt()) +
                std::to_string(k->shift()) + "|" + k->command() + "|" + k->directory() + "|" +
                k->parameters() + "|" + std::to_string(k->extra()) + "|" +
                std::to_string(k->showCmd()) + "\n";
    }
    return text;
}

} // namespace stored
