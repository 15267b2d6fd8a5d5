#include "model/HotKeyList.h"

#include <memory>

HotKeyList::HotKeyList(const HotKeyList* source) {
    if (!source)
        return;
    for (int i = 0; i < source->count(); ++i)
        addOrReplace(std::make_unique<HotKey>(source->at(i)));
}

void HotKeyList::addOrReplace(std::unique_ptr<HotKey> item) {
    if (!item)
        return;
    int existing = indexOf(item.get());
    if (existing >= 0)
        destroyAt(existing);
    if (!item->isEmptyDefinition())
        addItem(std::move(item));
}

int HotKeyList::indexOf(const KeyCombination& combination) const {
    for (int i = 0; i < count(); ++i)
        if (at(i)->matches(combination))
            return i;
    return -1;
}

HotKey* HotKeyList::find(const KeyCombination& combination) const {
    int index = indexOf(combination);
    return index < 0 ? nullptr : at(index);
}

int HotKeyList::createItem() {
    return addItem(newItem());
}

std::unique_ptr<QelRegistrySerializable> HotKeyList::newItem() const {
    return std::make_unique<HotKey>();
}

// Any item of this list of a stored item's combination loads after it and
// settles that combination, even an empty one, which takes it away: only the
// combinations this list has no item of need a cancellation.
ItemKind::Items HotKeyList::cancellations(const Items& stored) const {
    HotKeyList cancelled;
    for (const auto& each : stored) {
        const auto& item = static_cast<const HotKey&>(*each);
        if (!item.isEmptyDefinition() && indexOf(&item) < 0 && cancelled.indexOf(&item) < 0)
            // Not through addOrReplace, which keeps no empty definition.
            cancelled.at(cancelled.createItem())->setCombination(item.combination());
    }
    return cancelled.takeItems();
}
