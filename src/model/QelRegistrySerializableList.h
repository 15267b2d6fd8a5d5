#pragma once
#include "model/PointerList.h"
#include "model/QelRegistrySerializable.h"

#include <string>

// A list of serializable items stored as a "Count" value and one numbered
// sub-key per item ("<itemName>_0", "<itemName>_1", ...). The list owns its
// items and destroys them.
class QelRegistrySerializableList : public PointerList {
public:
    ~QelRegistrySerializableList() override;

    void save(const std::string& itemName, QelRegistry& registry) const;
    void load(const std::string& itemName, QelRegistry& registry);
    QelRegistrySerializable* itemAt(int index) const;
    void clear();
    virtual int createItem() = 0;

    static std::string itemKeyName(const std::string& itemName, int index);

    // A stored count above this is walked name by name only when it is no
    // more than the existing sub-keys and one; otherwise load reads the item
    // keys below it that exist, and save deletes only the surplus ones that
    // exist.
    static constexpr int kTrustedCount = 256;

protected:
    int addItem(QelRegistrySerializable* item) { return add(item); }
    // The item at index; raises the index error outside 0..count()-1.
    QelRegistrySerializable* itemOrError(int index) const {
        return static_cast<QelRegistrySerializable*>(get(index));
    }
    void destroyAt(int index);

private:
    void loadItem(const std::string& keyName, QelRegistry& registry);
    static void deleteSurplus(const std::string& itemName, QelRegistry& registry, int from, int to);
};
