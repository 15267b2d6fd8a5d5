#include "model/QelRegistrySerializableList.h"

#include "model/Exception.h"
#include "model/ListSave.h"
#include "model/QelRegistry.h"

#include <string>

QelRegistrySerializableList::~QelRegistrySerializableList() {
    clear();
}

std::string QelRegistrySerializableList::itemKeyName(const std::string& itemName, int index) {
    return itemName + "_" + std::to_string(index);
}

QelRegistrySerializable* QelRegistrySerializableList::itemAt(int index) const {
    if (index >= count())
        return nullptr;
    return itemOrError(index);
}

void QelRegistrySerializableList::destroyAt(int index) {
    QelRegistrySerializable* item = itemOrError(index);
    remove(index);
    delete item;
}

void QelRegistrySerializableList::clear() {
    while (count() > 0)
        destroyAt(0);
}

void QelRegistrySerializableList::save(const std::string& itemName, QelRegistry& registry) const {
    ListSave(*this, itemName, registry).run();
}

// A walk name by name creates a missing item key, which then loads as a
// default item.
void QelRegistrySerializableList::loadItem(const std::string& keyName, QelRegistry& registry,
                                           bool create) {
    int k = -1;
    auto load = [&] {
        QelRegistry child;
        child.openChild(registry, keyName, create);
        k = createItem();
        itemAt(k)->load(child);
        return true;
    };
    if (!attempt(load) && k >= 0)
        destroyAt(k);
}

void QelRegistrySerializableList::load(const std::string& itemName, QelRegistry& registry) {
    StoredListLayout layout(itemName, registry, false);
    clear();
    for (const StoredListLayout::Item& item : layout.reads())
        loadItem(item.name, registry, layout.walks());
}
