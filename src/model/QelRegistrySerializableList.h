#pragma once
#include "model/ItemKind.h"
#include "model/QelRegistrySerializable.h"
#include "model/StoredListLayout.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A list of serializable items stored as a "Count" value and one numbered
// sub-key per item ("<itemName>_0", "<itemName>_1", ...). The list owns its
// items; the pointers it hands out do not. Which keys a load reads is
// StoredListLayout's rule; a save is all or nothing (ListSave).
class QelRegistrySerializableList : public ItemKind {
public:
    QelRegistrySerializableList() = default;
    QelRegistrySerializableList(const QelRegistrySerializableList&) = delete;
    QelRegistrySerializableList& operator=(const QelRegistrySerializableList&) = delete;
    virtual ~QelRegistrySerializableList() = default;

    // Raises the registry error when the new list could not be stored; the
    // stored list then loads as it did.
    void save(const std::string& itemName, QelRegistry& registry) const;
    void load(const std::string& itemName, QelRegistry& registry);
    int count() const { return static_cast<int>(items_.size()); }
    // Null at or past the end; raises the index error below 0.
    QelRegistrySerializable* itemAt(int index) const;
    void clear() { items_.clear(); }
    virtual int createItem() = 0;

    static constexpr int kTrustedCount = StoredListLayout::kTrustedCount;

protected:
    int addItem(std::unique_ptr<QelRegistrySerializable> item);
    // The item at index; raises the index error outside 0..count()-1.
    QelRegistrySerializable* itemOrError(int index) const;
    void destroyAt(int index);
    Items takeItems() { return std::exchange(items_, {}); }

private:
    [[noreturn]] static void error(int index);
    void loadItem(const std::string& keyName, QelRegistry& registry, bool create);

    Items items_;
};
