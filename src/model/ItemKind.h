#pragma once
#include "model/QelRegistrySerializable.h"

#include <memory>
#include <vector>

// What a save must know of the kind of item a list holds, and all it asks of
// the list beside the items themselves (see ListSave): a default item to read
// a stored one into, and the items that, loaded after the list's own, take
// away each stored item the list no longer holds.
class ItemKind {
public:
    using Items = std::vector<std::unique_ptr<QelRegistrySerializable>>;

    virtual std::unique_ptr<QelRegistrySerializable> newItem() const = 0;
    virtual Items cancellations(const Items& stored) const = 0;

protected:
    ~ItemKind() = default;
};
