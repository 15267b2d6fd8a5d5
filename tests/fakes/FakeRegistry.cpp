#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

using namespace platform;

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('\\', start);
        std::string part =
            path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!part.empty())
            parts.push_back(part);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return parts;
}

bool isText(Dword type) {
    return type == kRegSz || type == kRegExpandSz;
}

bool continuation(const std::string& bytes, size_t i, unsigned char low = 0x80,
                  unsigned char high = 0xBF) {
    if (i >= bytes.size())
        return false;
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    return c >= low && c <= high;
}

// The bytes of the UTF-8 sequence at i, or 1 for a byte that begins none
// (which converts to one replacement character).
size_t utf8Length(const std::string& bytes, size_t i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return continuation(bytes, i + 1) ? 2 : 1;
    if (c >= 0xE0 && c <= 0xEF) {
        unsigned char low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
        return continuation(bytes, i + 1, low, high) && continuation(bytes, i + 2) ? 3 : 1;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        unsigned char low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
        return continuation(bytes, i + 1, low, high) && continuation(bytes, i + 2) &&
                       continuation(bytes, i + 3)
                   ? 4
                   : 1;
    }
    return 1;
}

} // namespace

Dword FakeRegistry::charactersOf(const std::string& bytes) const {
    Dword characters = 0;
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        size_t length = 1;
        if (codePage_ == 932 && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) &&
            i + 1 < bytes.size())
            length = 2;
        else if (codePage_ == 65001)
            length = utf8Length(bytes, i);
        i += length;
        characters += length == 4 ? 2 : 1; // beyond the BMP: a surrogate pair
    }
    return characters;
}

FakeRegistry::FakeRegistry() : root_(std::make_shared<Key>()) {}

FakeRegistry::~FakeRegistry() = default;

long FakeRegistry::enter(const char* function) {
    if (hookAt_ != 0 && callCount_ + 1 == hookAt_) {
        hookAt_ = 0;
        std::exchange(hook_, nullptr)();
    }
    ++callCount_;
    calls_.push_back(function);
    if (stopAfter_ != 0 && callCount_ > stopAfter_)
        return kErrorAccessDenied;
    if (failAt_ != 0 && callCount_ == failAt_)
        return failError_;
    auto failing = failingFunctions_.find(function);
    return failing == failingFunctions_.end() ? kErrorSuccess : failing->second;
}

// A call on a key: counted, then refused for a handle that names no key, and
// for a deleted key unless `deletedToo`.
long FakeRegistry::enterKey(const char* function, RegHandle handle, std::shared_ptr<Key>& key,
                            bool deletedToo) {
    if (long rc = enter(function))
        return rc;
    key = keyOf(handle);
    if (!key)
        return kErrorInvalidHandle;
    return key->deleted && !deletedToo ? kErrorKeyDeleted : kErrorSuccess;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::keyOf(RegHandle handle) const {
    if (handle == kHkeyCurrentUser)
        return root_;
    auto found = handles_.find(handle);
    return found == handles_.end() ? nullptr : found->second;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::walk(std::shared_ptr<Key> from,
                                                      const std::string& path, bool create,
                                                      bool* created) const {
    for (const std::string& part : components(path)) {
        auto child = from->children.find(upper(part));
        if (child == from->children.end()) {
            if (!create)
                return nullptr;
            auto key = std::make_shared<Key>();
            key->name = part;
            from->children[upper(part)] = key;
            if (created)
                *created = true;
            from = key;
        } else {
            from = child->second;
        }
    }
    return from;
}

RegHandle FakeRegistry::newHandle(std::shared_ptr<Key> key) {
    RegHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = std::move(key);
    return handle;
}

long FakeRegistry::RegCreateKeyExA(RegHandle key, const char* subKey, Dword, char*, Dword, Dword,
                                   void*, RegHandle* result, Dword* disposition) {
    std::shared_ptr<Key> base;
    if (long rc = enterKey("RegCreateKeyExA", key, base))
        return rc;
    if (!result)
        return 87; // ERROR_INVALID_PARAMETER
    bool created = false;
    auto target = walk(base, subKey ? subKey : "", true, &created);
    *result = newHandle(target);
    if (disposition)
        *disposition = created ? kRegCreatedNewKey : kRegOpenedExistingKey;
    return kErrorSuccess;
}

long FakeRegistry::RegOpenKeyExA(RegHandle key, const char* subKey, Dword, Dword,
                                 RegHandle* result) {
    std::shared_ptr<Key> base;
    if (long rc = enterKey("RegOpenKeyExA", key, base))
        return rc;
    auto target = walk(base, subKey ? subKey : "", false, nullptr);
    if (!target)
        return kErrorFileNotFound;
    *result = newHandle(target);
    return kErrorSuccess;
}

long FakeRegistry::RegCloseKey(RegHandle key) {
    if (long rc = enter("RegCloseKey"))
        return rc;
    if (key == kHkeyCurrentUser)
        return kErrorSuccess;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

long FakeRegistry::RegSetValueExA(RegHandle key, const char* valueName, Dword, Dword type,
                                  const unsigned char* data, Dword dataSize) {
    std::shared_ptr<Key> target;
    if (long rc = enterKey("RegSetValueExA", key, target))
        return rc;
    std::string name = valueName ? valueName : "";
    Value& value = target->values[upper(name)];
    value = Value{name, type, std::vector<unsigned char>(data, data + (data ? dataSize : 0))};
    return kErrorSuccess;
}

long FakeRegistry::RegQueryValueExA(RegHandle key, const char* valueName, Dword*, Dword* type,
                                    unsigned char* data, Dword* dataSize) {
    std::shared_ptr<Key> target;
    if (long rc = enterKey("RegQueryValueExA", key, target))
        return rc;
    auto found = target->values.find(upper(valueName ? valueName : ""));
    if (found == target->values.end())
        return kErrorFileNotFound;
    Value& value = found->second;
    if (growth_.times != 0 && callCount_ >= growth_.fromCall) {
        if (!growth_.value)
            growth_.value = &value;
        if (growth_.value == &value) {
            grow(value);
            if (growth_.times > 0)
                --growth_.times;
        }
    }
    if (data && dataSize)
        largestQueryBuffer_ = std::max(largestQueryBuffer_, *dataSize);
    if (type)
        *type = value.type;
    Dword size = value.size();
    Dword reported = value.reportedSize >= 0 ? static_cast<Dword>(value.reportedSize) : size;
    if (!dataSize)
        return data ? 87 : kErrorSuccess;
    if (!data) {
        *dataSize = reported;
        return kErrorSuccess;
    }
    if (*dataSize < size) {
        *dataSize = reported;
        return kErrorMoreData;
    }
    if (value.virtualSize)
        std::memset(data, value.fill, size);
    else if (size)
        std::memcpy(data, value.bytes.data(), size);
    *dataSize = size;
    return kErrorSuccess;
}

void FakeRegistry::grow(Value& value) const {
    unsigned long long size = value.size();
    unsigned long long added = growth_.bytes + (growth_.doubling ? size : 0);
    if (value.virtualSize) {
        value.virtualSize =
            static_cast<Dword>(std::min<unsigned long long>(size + added, 0xFFFFFFFFu));
        return;
    }
    value.bytes.resize(static_cast<size_t>(size + added), isText(value.type) ? 'g' : 0);
}

long FakeRegistry::RegQueryInfoKeyA(RegHandle key, char*, Dword* classSize, Dword*, Dword* subKeys,
                                    Dword* maxSubKeyLen, Dword* maxClassLen, Dword* values,
                                    Dword* maxValueNameLen, Dword* maxValueLen, Dword*, void*) {
    std::shared_ptr<Key> target;
    if (long rc = enterKey("RegQueryInfoKeyA", key, target))
        return rc;
    Dword longestKey = 0, longestName = 0, longestValue = 0;
    for (const auto& child : target->children)
        longestKey = std::max<Dword>(longestKey, charactersOf(child.second->name));
    if (longestSubKeyReport_ >= 0)
        longestKey = static_cast<Dword>(longestSubKeyReport_);
    for (const auto& value : target->values) {
        longestName = std::max<Dword>(longestName, static_cast<Dword>(value.second.name.size()));
        longestValue = std::max<Dword>(longestValue, value.second.size());
    }
    if (classSize)
        *classSize = 0;
    if (subKeys)
        *subKeys = static_cast<Dword>(target->children.size());
    if (maxSubKeyLen)
        *maxSubKeyLen = longestKey;
    if (maxClassLen)
        *maxClassLen = 0;
    if (values)
        *values = static_cast<Dword>(target->values.size());
    if (maxValueNameLen)
        *maxValueNameLen = longestName;
    if (maxValueLen)
        *maxValueLen = longestValue;
    return kErrorSuccess;
}

long FakeRegistry::RegEnumKeyExA(RegHandle key, Dword index, char* name, Dword* nameSize, Dword*,
                                 char*, Dword*, void*) {
    std::shared_ptr<Key> target;
    if (long rc = enterKey("RegEnumKeyExA", key, target))
        return rc;
    if (index >= target->children.size())
        return kErrorNoMoreItems;
    auto child = std::next(target->children.begin(), index);
    const std::string& childName = child->second->name;
    if (!name || !nameSize || *nameSize <= childName.size())
        return kErrorMoreData;
    std::memcpy(name, childName.c_str(), childName.size() + 1);
    *nameSize = static_cast<Dword>(childName.size());
    return kErrorSuccess;
}

long FakeRegistry::RegFlushKey(RegHandle key) {
    std::shared_ptr<Key> target;
    return enterKey("RegFlushKey", key, target, true);
}

long FakeRegistry::RegDeleteKeyA(RegHandle key, const char* subKey) {
    std::shared_ptr<Key> base;
    if (long rc = enterKey("RegDeleteKeyA", key, base, true))
        return rc;
    std::vector<std::string> parts = components(subKey ? subKey : "");
    if (parts.empty())
        return kErrorAccessDenied;
    std::string last = parts.back();
    parts.pop_back();
    std::string parentPath;
    for (const std::string& part : parts)
        parentPath += part + "\\";
    auto parent = walk(base, parentPath, false, nullptr);
    if (!parent)
        return kErrorFileNotFound;
    auto child = parent->children.find(upper(last));
    if (child == parent->children.end())
        return kErrorFileNotFound;
    if (!child->second->children.empty())
        return kErrorAccessDenied;
    child->second->deleted = true;
    parent->children.erase(child);
    return kErrorSuccess;
}

FakeRegistry::Key* FakeRegistry::findKey(const std::string& path) const {
    return walk(root_, path, false, nullptr).get();
}

FakeRegistry::Key& FakeRegistry::makeKey(const std::string& path) {
    return *walk(root_, path, true, nullptr);
}

const FakeRegistry::Value* FakeRegistry::findValue(const std::string& path,
                                                   const std::string& name) const {
    Key* key = findKey(path);
    if (!key)
        return nullptr;
    auto found = key->values.find(upper(name));
    return found == key->values.end() ? nullptr : &found->second;
}

void FakeRegistry::setValue(const std::string& path, const std::string& name, Dword type,
                            std::vector<unsigned char> bytes) {
    makeKey(path).values[upper(name)] = Value{name, type, std::move(bytes)};
}

void FakeRegistry::setString(const std::string& path, const std::string& name,
                             const std::string& text) {
    setValue(path, name, kRegSz, std::vector<unsigned char>(text.begin(), text.end()));
}

void FakeRegistry::setHugeValue(const std::string& path, const std::string& name, Dword type,
                                Dword size, unsigned char fill) {
    setValue(path, name, type, {});
    Value& value = makeKey(path).values[upper(name)];
    value.virtualSize = size;
    value.fill = fill;
}

void FakeRegistry::misreportSize(const std::string& path, const std::string& name, Dword size) {
    auto& values = makeKey(path).values;
    auto found = values.find(upper(name));
    if (found != values.end())
        found->second.reportedSize = size;
}

void FakeRegistry::growValues(long fromCall, Dword bytes, int times, bool doubling) {
    growth_ = {fromCall, bytes, times, doubling, nullptr};
}

void FakeRegistry::setDword(const std::string& path, const std::string& name, std::uint32_t value) {
    setValue(path, name, kRegDword,
             {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
              static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)});
}

std::string FakeRegistry::stringValue(const std::string& path, const std::string& name) const {
    const Value* value = findValue(path, name);
    return value ? std::string(value->bytes.begin(), value->bytes.end()) : std::string();
}

std::uint32_t FakeRegistry::dwordValue(const std::string& path, const std::string& name) const {
    const Value* value = findValue(path, name);
    std::uint32_t result = 0;
    if (value)
        for (size_t i = 0; i < value->bytes.size() && i < 4; ++i)
            result |= static_cast<std::uint32_t>(value->bytes[i]) << (8 * i);
    return result;
}

std::vector<std::string> FakeRegistry::subKeyNames(const std::string& path) const {
    std::vector<std::string> names;
    if (Key* key = findKey(path))
        for (const auto& child : key->children)
            names.push_back(child.second->name);
    return names;
}

size_t FakeRegistry::keyCount() const {
    size_t total = 0;
    std::vector<const Key*> pending{root_.get()};
    while (!pending.empty()) {
        const Key* key = pending.back();
        pending.pop_back();
        total += key->children.size();
        for (const auto& child : key->children)
            pending.push_back(child.second.get());
    }
    return total;
}

void FakeRegistry::removeKey(const std::string& path) {
    std::vector<std::string> parts = components(path);
    if (parts.empty())
        return;
    std::string last = parts.back();
    parts.pop_back();
    std::string parentPath;
    for (const std::string& part : parts)
        parentPath += part + "\\";
    if (Key* parent = findKey(parentPath))
        parent->children.erase(upper(last));
}

void FakeRegistry::failCall(long n, long error) {
    failAt_ = n;
    failError_ = error;
}

void FakeRegistry::failFunction(const std::string& function, long error) {
    failingFunctions_[function] = error;
}

void FakeRegistry::resetCalls() {
    callCount_ = 0;
    failAt_ = 0;
    stopAfter_ = 0;
    hookAt_ = 0;
    failingFunctions_.clear();
    calls_.clear();
    growth_ = {};
}
