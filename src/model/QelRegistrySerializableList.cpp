#include "model/QelRegistrySerializableList.h"

#include "model/Exception.h"
#include "model/QelRegistry.h"

#include <algorithm>
#include <cctype>
#include <new>
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

// The item keys among `names` with an index in [from, to), in ascending order
// of the index: the keys a plain loop over that range would open.
std::vector<std::pair<long long, std::string>> itemKeysIn(const std::string& itemName,
                                                          const std::vector<std::string>& names,
                                                          long long from, long long to) {
    std::vector<std::pair<long long, std::string>> keys;
    for (const std::string& name : names) {
        long long index = itemIndexOf(itemName, name);
        if (index >= from && index < to)
            keys.emplace_back(index, name);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
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
        // One item that cannot be written must not cost the others.
        try {
            QelRegistry child(registry, itemKeyName(itemName, i));
            itemAt(i)->save(child);
        } catch (const Exception&) {
        } catch (const std::bad_alloc&) {
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
    // keys that are not there: delete just the surplus item keys that exist,
    // the same keys the loop would have deleted.
    for (const auto& entry : itemKeysIn(itemName, registry.subKeyNames(), from, to))
        registry.deleteKey(entry.second);
}

void QelRegistrySerializableList::loadItem(const std::string& keyName, QelRegistry& registry) {
    int k = -1;
    try {
        QelRegistry child(registry, keyName);
        k = createItem();
        itemAt(k)->load(child);
    } catch (const Exception&) {
        if (k >= 0)
            destroyAt(k);
    } catch (const std::bad_alloc&) {
        if (k >= 0)
            destroyAt(k);
    }
}

void QelRegistrySerializableList::load(const std::string& itemName, QelRegistry& registry) {
    int n = readCountOrZero(registry);
    clear();
    int walk = n;
    std::vector<std::string> names;
    if (n > kTrustedCount) {
        // A count this large is trusted only when no more than the existing
        // sub-keys and one: reading a missing item creates its key and
        // yields a default item, so a damaged "Count" would otherwise create
        // millions of keys. A listing that failed is tried once more.
        int existing = registry.listSubKeys(names);
        if (existing < 0)
            existing = registry.listSubKeys(names);
        if (existing < 0) {
            walk = kTrustedCount;
        } else if (static_cast<long long>(n) > static_cast<long long>(existing) + 1) {
            // Not trusted: the item keys below the count that exist, in the
            // loop's order. The same definitions, without the empty ones.
            for (const auto& entry : itemKeysIn(itemName, names, 0, n))
                loadItem(entry.second, registry);
            return;
        }
    }
    for (int i = 0; i < walk; ++i)
        loadItem(itemKeyName(itemName, i), registry);
}
