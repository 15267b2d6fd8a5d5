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
        addItem(item.release());
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
    return addItem(new HotKey());
}

std::unique_ptr<QelRegistrySerializableList> HotKeyList::createList() const {
    return std::make_unique<HotKeyList>();
}

void HotKeyList::addCancellations(const QelRegistrySerializableList& stored,
                                  QelRegistrySerializableList& into) const {
    const auto& old = static_cast<const HotKeyList&>(stored);
    auto& out = static_cast<HotKeyList&>(into);
    HotKeyList kept(this);
    for (int i = 0; i < old.count(); ++i) {
        const HotKey* item = old.at(i);
        if (item->isEmptyDefinition() || kept.indexOf(item) >= 0 || out.indexOf(item) >= 0)
            continue;
        // Not through addOrReplace, which keeps no empty definition.
        out.at(out.createItem())->setCombination(item->combination());
    }
}
