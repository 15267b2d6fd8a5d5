#pragma once
#include "model/HotKey.h"
#include "model/QelRegistrySerializableList.h"

#include <memory>

// The hotkey definitions: at most one per combination and no empty
// definition, as long as it is filled through addOrReplace. Lists are handed
// around only as deep copies.
class HotKeyList : public QelRegistrySerializableList {
public:
    HotKeyList() = default;
    explicit HotKeyList(const HotKeyList* source);

    HotKey* at(int index) const { return static_cast<HotKey*>(itemOrError(index)); }
    // Takes the item in every case.
    void addOrReplace(std::unique_ptr<HotKey> item);
    void addOrReplace(HotKey* item) { addOrReplace(std::unique_ptr<HotKey>(item)); }
    // The first item of exactly that combination (the letter's case counts).
    int indexOf(const KeyCombination& combination) const;
    HotKey* find(const KeyCombination& combination) const;
    int indexOf(char l, bool c, bool a, bool s) const { return indexOf({l, c, a, s}); }
    HotKey* find(char l, bool c, bool a, bool s) const { return find({l, c, a, s}); }
    int indexOf(const HotKey* like) const { return like ? indexOf(like->combination()) : -1; }
    HotKey* find(const HotKey* like) const { return like ? find(like->combination()) : nullptr; }
    int createItem() override;
    std::unique_ptr<QelRegistrySerializable> newItem() const override;
    // An empty definition of each combination `stored` defines and this list
    // has no item of.
    Items cancellations(const Items& stored) const override;
};
