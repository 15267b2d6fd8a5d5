#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

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

} // namespace

FakeRegistry::FakeRegistry() : root_(std::make_shared<Key>()) {}

FakeRegistry::~FakeRegistry() = default;

long FakeRegistry::enter(const char* function) {
    ++callCount_;
    calls_.push_back(function);
    if (failAt_ != 0 && callCount_ == failAt_)
        return failError_;
    auto failing = failingFunctions_.find(function);
    return failing == failingFunctions_.end() ? kErrorSuccess : failing->second;
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
    if (long rc = enter("RegCreateKeyExA"))
        return rc;
    auto base = keyOf(key);
    if (!base)
        return kErrorInvalidHandle;
    if (base->deleted)
        return kErrorKeyDeleted;
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
    if (long rc = enter("RegOpenKeyExA"))
        return rc;
    auto base = keyOf(key);
    if (!base)
        return kErrorInvalidHandle;
    if (base->deleted)
        return kErrorKeyDeleted;
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
    if (long rc = enter("RegSetValueExA"))
        return rc;
    auto target = keyOf(key);
    if (!target)
        return kErrorInvalidHandle;
    if (target->deleted)
        return kErrorKeyDeleted;
    std::string name = valueName ? valueName : "";
    Value& value = target->values[upper(name)];
    value.name = name;
    value.type = type;
    value.bytes.assign(data, data + (data ? dataSize : 0));
    return kErrorSuccess;
}

long FakeRegistry::RegQueryValueExA(RegHandle key, const char* valueName, Dword*, Dword* type,
                                    unsigned char* data, Dword* dataSize) {
    if (long rc = enter("RegQueryValueExA"))
        return rc;
    auto target = keyOf(key);
    if (!target)
        return kErrorInvalidHandle;
    if (target->deleted)
        return kErrorKeyDeleted;
    auto found = target->values.find(upper(valueName ? valueName : ""));
    if (found == target->values.end())
        return kErrorFileNotFound;
    const Value& value = found->second;
    if (type)
        *type = value.type;
    Dword size = static_cast<Dword>(value.bytes.size());
    if (!dataSize)
        return data ? 87 : kErrorSuccess;
    if (data && *dataSize < size) {
        *dataSize = size;
        return kErrorMoreData;
    }
    if (data && size)
        std::memcpy(data, value.bytes.data(), size);
    *dataSize = size;
    return kErrorSuccess;
}

long FakeRegistry::RegQueryInfoKeyA(RegHandle key, char*, Dword* classSize, Dword*, Dword* subKeys,
                                    Dword* maxSubKeyLen, Dword* maxClassLen, Dword* values,
                                    Dword* maxValueNameLen, Dword* maxValueLen, Dword*, void*) {
    if (long rc = enter("RegQueryInfoKeyA"))
        return rc;
    auto target = keyOf(key);
    if (!target)
        return kErrorInvalidHandle;
    if (target->deleted)
        return kErrorKeyDeleted;
    Dword longestKey = 0, longestName = 0, longestValue = 0;
    for (const auto& child : target->children)
        longestKey = std::max<Dword>(longestKey, static_cast<Dword>(child.second->name.size()));
    for (const auto& value : target->values) {
        longestName = std::max<Dword>(longestName, static_cast<Dword>(value.second.name.size()));
        longestValue = std::max<Dword>(longestValue, static_cast<Dword>(value.second.bytes.size()));
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
    if (long rc = enter("RegEnumKeyExA"))
        return rc;
    auto target = keyOf(key);
    if (!target)
        return kErrorInvalidHandle;
    if (target->deleted)
        return kErrorKeyDeleted;
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

long FakeRegistry::RegDeleteKeyA(RegHandle key, const char* subKey) {
    if (long rc = enter("RegDeleteKeyA"))
        return rc;
    auto base = keyOf(key);
    if (!base)
        return kErrorInvalidHandle;
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
    Value& value = makeKey(path).values[upper(name)];
    value.name = name;
    value.type = type;
    value.bytes = std::move(bytes);
}

void FakeRegistry::setString(const std::string& path, const std::string& name,
                             const std::string& text) {
    setValue(path, name, kRegSz, std::vector<unsigned char>(text.begin(), text.end()));
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
    failingFunctions_.clear();
    calls_.clear();
}
