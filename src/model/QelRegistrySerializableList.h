#pragma once
#include "model/PointerList.h"
#include "model/QelRegistrySerializable.h"
#include "model/StoredListLayout.h"

#include <memory>
#include <string>

// A list of serializable items stored as a "Count" value and one numbered
// sub-key per item ("<itemName>_0", "<itemName>_1", ...). The list owns its
// items and destroys them. Which keys a load reads is StoredListLayout's
// rule; a save is all or nothing (ListSave).
class QelRegistrySerializableList : public PointerList {
public:
    ~QelRegistrySerializableList() override;

    // Raises the registry error when the new list could not be stored; the
    // stored list then loads as it did.
    void save(const std::string& itemName, QelRegistry& registry) const;
    void load(const std::string& itemName, QelRegistry& registry);
    QelRegistrySerializable* itemAt(int index) const;
    void clear();
    virtual int createItem() = 0;
    // An empty list of the same kind.
    virtual std::unique_ptr<QelRegistrySerializableList> createList() const = 0;
    // Appends to `into` the items that, loaded after this list's own, take
    // away each item of `stored` that this list does not hold, by the list's
    // own rules.
    virtual void addCancellations(const QelRegistrySerializableList& stored,
                                  QelRegistrySerializableList& into) const = 0;

    static std::string itemKeyName(const std::string& itemName, int index);

    static constexpr int kTrustedCount = StoredListLayout::kTrustedCount;

protected:
    int addItem(QelRegistrySerializable* item) { return add(item); }
    // The item at index; raises the index error outside 0..count()-1.
    QelRegistrySerializable* itemOrError(int index) const {
        return static_cast<QelRegistrySerializable*>(get(index));
    }
    void destroyAt(int index);

private:
    void loadItem(const std::string& keyName, QelRegistry& registry, bool create);
};
