#include "model/StoredListLayout.h"

#include "model/Exception.h"
#include "model/QelRegistry.h"

#include <algorithm>
#include <cctype>

namespace {

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// The index N of a sub-key named "<itemName>_N" exactly as save names it
// (decimal, no leading zeros, within an int), or -1.
int itemIndexOf(const std::string& itemName, const std::string& keyName) {
    std::string prefix = itemName + "_";
    if (keyName.size() <= prefix.size() || keyName.size() > prefix.size() + 10 ||
        !equalNoCase(keyName.substr(0, prefix.size()), prefix))
        return -1;
    std::string digits = keyName.substr(prefix.size());
    if (digits.size() > 1 && digits[0] == '0')
        return -1;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value > 0x7FFFFFFF ? -1 : static_cast<int>(value);
}

} // namespace

StoredListLayout::StoredListLayout(const std::string& itemName, QelRegistry& registry,
                                   bool listAlways) {
    try {
        count_ = registry.readInteger("Count");
        usable_ = count_ >= 0;
    } catch (const Exception&) {
        count_ = 0;
    }
    if (listAlways || !usable_ || count_ > kTrustedCount)
        list(itemName, registry);
    if (!usable_) {
        for (int i = 0; i < firstGap(); ++i)
            reads_.push_back({i, itemKeyName(itemName, i), true});
        return;
    }
    if (count_ <= kTrustedCount)
        walk(itemName, count_);
    else if (!listed_)
        walk(itemName, kTrustedCount);
    else if (static_cast<long long>(count_) <= static_cast<long long>(subKeys_) + 1)
        walk(itemName, count_);
    else
        existingBelow(itemName, count_);
}

// A listing that failed is tried once more.
void StoredListLayout::list(const std::string& itemName, QelRegistry& registry) {
    std::vector<std::string> names;
    subKeys_ = registry.listSubKeys(names);
    if (subKeys_ < 0)
        subKeys_ = registry.listSubKeys(names);
    listed_ = subKeys_ >= 0;
    for (const std::string& name : names) {
        int index = itemIndexOf(itemName, name);
        if (index >= 0)
            existing_.push_back(index);
    }
    std::sort(existing_.begin(), existing_.end());
    existing_.erase(std::unique(existing_.begin(), existing_.end()), existing_.end());
}

void StoredListLayout::walk(const std::string& itemName, int n) {
    walks_ = true;
    for (int i = 0; i < n; ++i)
        reads_.push_back({i, itemKeyName(itemName, i),
                          std::binary_search(existing_.begin(), existing_.end(), i)});
}

// A damaged "Count" (say 2147483647) would mean millions of reads of keys
// that are not there, each creating its key: the item keys below it that
// exist, in the walk's order. The same definitions, without the empty ones.
void StoredListLayout::existingBelow(const std::string& itemName, long long end) {
    for (int index : existing_)
        if (index < end)
            reads_.push_back({index, itemKeyName(itemName, index), true});
}

std::string StoredListLayout::itemKeyName(const std::string& itemName, int index) {
    return itemName + "_" + std::to_string(index);
}

int StoredListLayout::firstGap() const {
    int gap = 0;
    for (int index : existing_) {
        if (index != gap)
            break;
        ++gap;
    }
    return gap;
}

int StoredListLayout::lastBelow(int end) const {
    auto above = std::lower_bound(existing_.begin(), existing_.end(), end);
    return above == existing_.begin() ? -1 : *(above - 1);
}
