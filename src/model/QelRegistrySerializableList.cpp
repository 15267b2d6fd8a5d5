#include "model/QelRegistrySerializableList.h"

#include "model/EListError.h"
#include "model/Exception.h"
#include "model/ListSave.h"
#include "model/QelRegistry.h"

#include <string>

void QelRegistrySerializableList::error(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

QelRegistrySerializable* QelRegistrySerializableList::itemOrError(int index) const {
    if (index < 0 || index >= count())
        error(index);
    return items_[static_cast<size_t>(index)].get();
}

QelRegistrySerializable* QelRegistrySerializableList::itemAt(int index) const {
    if (index >= count())
        return nullptr;
    return itemOrError(index);
}

int QelRegistrySerializableList::addItem(std::unique_ptr<QelRegistrySerializable> item) {
    items_.push_back(std::move(item));
    return count() - 1;
}

void QelRegistrySerializableList::destroyAt(int index) {
    itemOrError(index);
    items_.erase(items_.begin() + index);
}

void QelRegistrySerializableList::save(const std::string& itemName, QelRegistry& registry) const {
    std::vector<QelRegistrySerializable*> items;
    for (const auto& item : items_)
        items.push_back(item.get());
    ListSave(items, *this, itemName, registry).run();
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
