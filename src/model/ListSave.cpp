#include "model/ListSave.h"

#include "model/Exception.h"
#include "model/QelRegistry.h"
#include "model/StoredListLayout.h"

#include <algorithm>
#include <climits>

ListSave::ListSave(const std::vector<QelRegistrySerializable*>& items, const ItemKind& kind,
                   const std::string& itemName, QelRegistry& registry)
    : items_(items), kind_(kind), itemName_(itemName), registry_(registry) {}

void ListSave::run() {
    if (!registry_.hasCurrentKey())
        throw QelRegistry::writeError("Count");
    inspect();
    if (count() == 0) {
        saveEmpty();
        return;
    }
    readStored();
    prepare();
    attempt(
        [&] {
            writeNew();
            writeCount(total_);
            return true;
        },
        [&] {
            takeBack();
            throw;
        });
    if (compact())
        tidy();
    registry_.flush();
}

std::string ListSave::nameOf(int index) const {
    return StoredListLayout::itemKeyName(itemName_, index);
}

bool ListSave::exists(int index) const {
    return std::binary_search(existing_.begin(), existing_.end(), index);
}

// Where the stored items are, as a load of this version reads them. A read
// that failed for another reason than absence would make the cancellations
// miss an item that other readers see: the save stops there, before any
// write.
void ListSave::inspect() {
    StoredListLayout layout(itemName_, registry_, true);
    if (!registry_.unsure().empty())
        throw QelRegistry::readError(registry_.unsure());
    if (!layout.listed())
        throw QelRegistry::readError("Count");
    existing_ = layout.existing();
    if (!layout.countUsable()) {
        // Mended from the keys up to the first gap, which stays free until
        // the switch: beyond it nothing is read.
        storedEnd_ = layout.firstGap();
        firstFree_ = storedEnd_ + 1;
    } else if (layout.walks()) {
        storedEnd_ = firstFree_ = layout.count();
    } else {
        // A distrusted count reads the keys below it that exist: brought
        // down to them first, it reads the same and leaves room beyond.
        storedEnd_ = firstFree_ = layout.lastBelow(layout.count()) + 1;
        if (storedEnd_ != layout.count())
            normalizedCount_ = storedEnd_;
    }
}

void ListSave::readStored() {
    for (int i = 0; i < storedEnd_; ++i) {
        if (!exists(i))
            continue; // loads as a default item, which cancels nothing
        QelRegistry child;
        if (!child.openChild(registry_, nameOf(i), false)) {
            if (!child.unsure().empty())
                throw QelRegistry::readError(nameOf(i));
            continue;
        }
        stored_.push_back(kind_.newItem());
        try {
            stored_.back()->load(child);
        } catch (const Exception&) {
            throw QelRegistry::readError(nameOf(i));
        }
        if (!child.unsure().empty())
            throw QelRegistry::readError(child.unsure());
    }
}

// Room beyond what a load reads: stale item keys there, left by another
// program or by a save that could not take its writes back, go first.
void ListSave::prepare() {
    cancellations_ = kind_.cancellations(stored_);
    long long base = std::max(firstFree_, count());
    long long total = base + count() + static_cast<int>(cancellations_.size());
    if (total > INT_MAX)
        throw QelRegistry::writeError("Count");
    base_ = static_cast<int>(base);
    total_ = static_cast<int>(total);
    if (normalizedCount_ >= 0)
        writeCount(normalizedCount_);
    for (int index : existing_)
        if (index >= firstFree_ && index < total_ && !registry_.removeKey(nameOf(index)))
            throw QelRegistry::writeError(nameOf(index));
}

void ListSave::writeNew() {
    std::vector<QelRegistrySerializable*> all(items_);
    for (const auto& cancellation : cancellations_)
        all.push_back(cancellation.get());
    for (QelRegistrySerializable* item : all) {
        QelRegistry child;
        child.openChild(registry_, nameOf(base_ + written_), true);
        ++written_;
        item->save(child);
    }
}

void ListSave::writeCount(int value) {
    registry_.writeInteger("Count", value);
}

void ListSave::takeBack() noexcept {
    for (int j = 0; j < written_; ++j)
        attempt([&] { return registry_.removeKey(nameOf(base_ + j)); });
}

// Every step loads as the new list: a key below base_ holds a stored item
// (each of whose kinds the new list or a cancellation overrides), nothing,
// a half-copied item (empty, or of the new list's own kind), or its final
// item; the full new list and the cancellations still follow until "Count"
// shrinks to the new count, at which point the front holds exactly the list.
bool ListSave::compact() {
    return attempt([&] {
        for (int k = 0; k < count(); ++k) {
            if (k < storedEnd_ && exists(k) && !registry_.removeKey(nameOf(k)))
                return false;
            QelRegistry child;
            child.openChild(registry_, nameOf(k), true);
            items_[static_cast<size_t>(k)]->save(child);
        }
        writeCount(count());
        return true;
    });
}

// "Count" 0 is an empty list to every version, whatever keys remain: it is
// the switch, and the keys go behind it.
void ListSave::saveEmpty() {
    writeCount(0);
    tidy();
    registry_.flush();
}

// Behind the count nothing is read: whatever item keys remain there go.
void ListSave::tidy() noexcept {
    const int n = count();
    auto remove = [&](int index) { attempt([&] { return registry_.removeKey(nameOf(index)); }); };
    for (int index : existing_)
        if (index >= n && (index < firstFree_ || index >= total_))
            remove(index);
    for (int i = std::max(base_, n); i < total_; ++i)
        remove(i);
}
