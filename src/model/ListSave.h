#pragma once
#include "model/ItemKind.h"

#include <string>
#include <vector>

class QelRegistry;

// Saves a list so that, wherever the save stops, the stored list loads either
// as it was or as the new one; the single write of "Count" is the switch.
//
// 1. The new list is written beyond every item key a load reads, followed by
//    a cancellation (for hotkeys: an empty definition) of each stored item
//    the new list does not hold. A failure here leaves "Count" as it was,
//    takes back what was written and raises the registry error.
// 2. "Count" is switched to take them in: the stored items, then the new
//    ones, then the cancellations load as the new list, because the last
//    item of a kind wins and a cancellation removes it.
// 3. The new items are copied down to the front, each into a key deleted
//    first, so that a half-written one is an empty definition or one of the
//    new list's own (which the later copy still overrides); then "Count"
//    becomes the new count and the keys behind it are deleted. At rest the
//    key holds "Count" and "<itemName>_0" ... "<itemName>_n-1" as ever.
//    A failure after the switch stops this quietly: what loads is already
//    the new list, and the next save compacts it.
// An empty list needs no room: "Count" 0 loads as empty in every version,
// so writing it is the switch, and the item keys are deleted behind it.
class ListSave {
public:
    // `items` in their order, each saving itself; `kind` makes the items the
    // stored list is read into, and tells what cancels them.
    ListSave(const std::vector<QelRegistrySerializable*>& items, const ItemKind& kind,
             const std::string& itemName, QelRegistry& registry);
    ListSave(const ListSave&) = delete;
    ListSave& operator=(const ListSave&) = delete;

    void run();

private:
    void inspect();
    void readStored();
    void prepare();
    void writeNew();
    void writeCount(int value);
    void takeBack() noexcept;
    bool compact();
    void saveEmpty();
    void tidy() noexcept;
    bool exists(int index) const;
    std::string nameOf(int index) const;

    int count() const { return static_cast<int>(items_.size()); }

    const std::vector<QelRegistrySerializable*>& items_;
    const ItemKind& kind_;
    const std::string& itemName_;
    QelRegistry& registry_;
    ItemKind::Items stored_;
    ItemKind::Items cancellations_;
    std::vector<int> existing_; // item keys that existed at the start, ascending
    int storedEnd_ = 0;         // a load reads item keys below this
    int firstFree_ = 0;         // nothing a load reads lies at or beyond this
    int normalizedCount_ = -1;  // "Count" to write first, when the stored one is distrusted
    int base_ = 0;              // where the new list goes
    int total_ = 0;             // "Count" at the switch
    int written_ = 0;
};
