#pragma once
#include "model/HotKey.h"
#include "model/QelRegistrySerializableList.h"

// The hotkey definitions: at most one per combination and no empty
// definition, as long as it is filled through addOrReplace. Lists are handed
// around only as deep copies.
class HotKeyList : public QelRegistrySerializableList {
public:
    HotKeyList() = default;
    explicit HotKeyList(const HotKeyList* source);

    HotKey* at(int index) const { return static_cast<HotKey*>(itemOrError(index)); }
    void addOrReplace(HotKey* item);
    int indexOf(char letter, bool ctrl, bool alt, bool shift) const;
    HotKey* find(char letter, bool ctrl, bool alt, bool shift) const;
    int indexOf(const HotKey* like) const;
    HotKey* find(const HotKey* like) const;
    int createItem() override;
    std::unique_ptr<QelRegistrySerializableList> createList() const override;
    // An empty definition of each combination `stored` defines and this list
    // does not.
    void addCancellations(const QelRegistrySerializableList& stored,
                          QelRegistrySerializableList& into) const override;
};
