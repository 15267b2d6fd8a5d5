#pragma once
#include <string>
#include <vector>

class QelRegistry;

// Which item keys of a stored list a load reads, told from "Count" and, where
// "Count" alone cannot be trusted, from the sub-keys that exist.
//
// A usable "Count" is walked name by name, a missing item loading as a
// default one; a count above kTrustedCount only when it is no more than the
// existing sub-keys and one, else just the item keys below it that exist.
// "Count" 0 is an empty list whatever item keys remain beside it: every
// version stores an empty list so, writing 0 before it deletes the keys and
// going on when a removal fails. A "Count" that is missing, negative or not a
// number is mended: the item keys from "<itemName>_0" up to the first one
// missing load. Stopping at that gap lets a save write its new list beyond
// it unseen until it switches "Count" (see ListSave).
class StoredListLayout {
public:
    struct Item {
        int index;
        std::string name;
        bool known; // listed as existing
    };

    // With `listAlways`, the sub-keys are listed whatever "Count" says, and a
    // read that fails for a reason other than absence leaves unsure() set.
    StoredListLayout(const std::string& itemName, QelRegistry& registry, bool listAlways);

    bool countUsable() const { return usable_; }
    int count() const { return count_; }
    // The item keys a load reads, in order.
    const std::vector<Item>& reads() const { return reads_; }
    // Whether a missing item key in reads() loads as a default item (and is
    // created by the load), as a walk name by name makes it.
    bool walks() const { return walks_; }
    // The indices of the item keys that exist, ascending (listed ones only).
    const std::vector<int>& existing() const { return existing_; }
    bool listed() const { return listed_; }
    // The first index from 0 whose item key is missing.
    int firstGap() const;
    // The highest existing index below `end`, or -1.
    int lastBelow(int end) const;

    // "<itemName>_<index>", the name of an item's sub-key.
    static std::string itemKeyName(const std::string& itemName, int index);

    static constexpr int kTrustedCount = 256;

private:
    void list(const std::string& itemName, QelRegistry& registry);
    void walk(const std::string& itemName, int n);
    void existingBelow(const std::string& itemName, long long end);

    bool usable_ = false;
    int count_ = 0;
    bool walks_ = false;
    bool listed_ = false;
    int subKeys_ = -1;
    std::vector<Item> reads_;
    std::vector<int> existing_;
};
