#include "model/QelRegistrySerializableList.h"

#include "model/Exception.h"
#include "model/QelRegistry.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

int readCountOrZero(QelRegistry& registry) {
    try {
        return registry.readInteger("Count");
    } catch (const Exception&) {
        return 0;
    }
}

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// The index N of a sub-key named "<itemName>_N" exactly as save names it
// (decimal, no leading zeros), or -1.
long long itemIndexOf(const std::string& itemName, const std::string& keyName) {
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
    return value;
}

} // namespace

QelRegistrySerializableList::~QelRegistrySerializableList() {
    clear();
}

std::string QelRegistrySerializableList::itemKeyName(const std::string& itemName, int index) {
    return itemName + "_" + std::to_string(index);
}

QelRegistrySerializable* QelRegistrySerializableList::itemAt(int index) const {
    if (index >= count())
        return nullptr;
    return itemOrError(index);
}

void QelRegistrySerializableList::destroyAt(int index) {
    QelRegistrySerializable* item = itemOrError(index);
    remove(index);
    delete item;
}

void QelRegistrySerializableList::clear() {
    while (count() > 0)
        destroyAt(0);
}

void QelRegistrySerializableList::save(const std::string& itemName, QelRegistry& registry) const {
    int previous = readCountOrZero(registry);
    registry.writeInteger("Count", count());
    for (int i = 0; i < count(); ++i) {
        QelRegistry child(registry, itemKeyName(itemName, i));
        try {
            itemAt(i)->save(child);
        } catch (const Exception&) {
            // One item that cannot be written must not cost the others.
        }
    }
    deleteSurplus(itemName, registry, count(), previous);
}

void QelRegistrySerializableList::deleteSurplus(const std::string& itemName, QelRegistry& registry,
                                                int from, int to) {
    if (to <= from)
        return;
    if (static_cast<long long>(to) - from <= kTrustedCount) {
        for (int i = from; i < to; ++i)
            registry.deleteKey(itemKeyName(itemName, i));
        return;
    }
    // A damaged "Count" (say 2147483647) would mean millions of deletions of
    // keys that are not there: delete just the surplus item keys that exist.
    std::vector<std::pair<long long, std::string>> surplus;
    for (const std::string& name : registry.subKeyNames()) {
        long long index = itemIndexOf(itemName, name);
        if (index >= from && index < to)
            surplus.emplace_back(index, name);
    }
    std::sort(surplus.begin(), surplus.end());
    for (const auto& entry : surplus)
        registry.deleteKey(entry.second);
}

int QelRegistrySerializableList::loadableCount(int storedCount, QelRegistry& registry) {
    if (storedCount <= kTrustedCount)
        return storedCount;
    // Reading a missing item creates its key and yields a default item, so a
    // damaged "Count" would create millions of keys: read no further than the
    // sub-keys that exist, plus one.
    int existing = registry.subKeyCount();
    if (existing < 0)
        return kTrustedCount;
    return static_cast<int>(std::min<long long>(storedCount, static_cast<long long>(existing) + 1));
}

void QelRegistrySerializableList::load(const std::string& itemName, QelRegistry& registry) {
    int n = loadableCount(readCountOrZero(registry), registry);
    clear();
    for (int i = 0; i < n; ++i) {
        QelRegistry child(registry, itemKeyName(itemName, i));
        int k = createItem();
        try {
            itemAt(k)->load(child);
        } catch (const Exception&) {
            destroyAt(k);
        }
    }
}
