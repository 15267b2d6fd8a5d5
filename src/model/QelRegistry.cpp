#include "model/QelRegistry.h"

#include "model/ERegistryException.h"
#include "platform/RegistryApi.h"

#include <algorithm>
#include <cstring>
#include <new>

using namespace platform;

namespace {

std::string withName(const char* pattern, const std::string& name) {
    std::string text = pattern;
    text.replace(text.find("%s"), 2, name);
    return text;
}

ERegistryException writeFailed(const std::string& name) {
    return ERegistryException(withName("'%s' の設定に失敗しました", name));
}

ERegistryException readFailed(const std::string& name) {
    return ERegistryException(withName("'%s' の取得に失敗しました", name));
}

ERegistryException wrongType(const std::string& name) {
    return ERegistryException(withName("'%s' のﾃﾞｰﾀ型が不正です", name));
}

bool isText(Dword type) {
    return type == kRegSz || type == kRegExpandSz;
}

// A value can change between two calls, and a reported size can be stale or
// wrong, so the size comes from the call that fetched the data. The buffer
// grows to the size last reported, or to twice its size when that report was
// no larger; a text value still outgrowing it after these attempts, or not
// fitting in kMaxTextBytes, is unreadable.
constexpr int kMaxReadAttempts = 24;
constexpr size_t kFirstBufferSize = 256;

// RegQueryInfoKeyA counts the longest sub-key name in UTF-16 characters; in
// the ANSI code page a character takes up to 4 bytes. Key names have at most
// 255 characters; a name that does not fit even in kMaxNameBytes is left out.
constexpr size_t kBytesPerCharacter = 4;
constexpr size_t kLongestKeyName = 255;
constexpr size_t kMaxNameBytes = size_t{64} << 10;

// A buffer of exactly `size` bytes, the old one freed first. Running out of
// memory is an unreadable value, not a std::bad_alloc for the caller.
void makeBuffer(std::vector<unsigned char>& buffer, size_t size, const std::string& name) {
    try {
        std::vector<unsigned char>().swap(buffer);
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        throw readFailed(name);
    }
}

} // namespace

QelRegistry::QelRegistry() : root_(kHkeyCurrentUser) {}

QelRegistry::QelRegistry(const QelRegistry& other) : QelRegistry() {
    if (!other.path().empty())
        openPath(other.path());
}

QelRegistry::QelRegistry(const QelRegistry& parent, const std::string& subKey) : QelRegistry() {
    const std::string& parentPath = parent.path();
    if (parentPath.empty())
        return;
    openPath(subKey.empty() ? parentPath : parentPath + "\\" + subKey);
}

QelRegistry::~QelRegistry() {
    closeKey();
}

bool QelRegistry::openPath(const std::string& fullPath) {
    std::string rest = fullPath;
    while (!rest.empty()) {
        size_t slash = rest.find('\\');
        std::string component = rest.substr(0, slash);
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        if (component.empty())
            continue;
        if (!openKey(component, true)) {
            closeKey();
            return false;
        }
    }
    path_ = fullPath;
    return true;
}

RegHandle QelRegistry::baseFor(bool absolute) const {
    return absolute || current_ == 0 ? root_ : current_;
}

bool QelRegistry::openKey(const std::string& name, bool canCreate) {
    bool absolute = !name.empty() && name[0] == '\\';
    std::string relative = absolute ? name.substr(1) : name;
    RegHandle base = baseFor(absolute);
    RegHandle key = 0;
    long rc;
    if (canCreate) {
        Dword disposition = 0;
        rc =
            registryApi().RegCreateKeyExA(base, relative.c_str(), 0, nullptr, kRegOptionNonVolatile,
                                          kKeyAllAccess, nullptr, &key, &disposition);
    } else {
        rc = registryApi().RegOpenKeyExA(base, relative.c_str(), 0, kKeyAllAccess, &key);
    }
    if (rc != kErrorSuccess || key == 0)
        return false;
    std::string newPath = !absolute && current_ != 0 ? currentPath_ + "\\" + relative : relative;
    if (current_ != 0)
        registryApi().RegCloseKey(current_);
    current_ = key;
    currentPath_ = newPath;
    return true;
}

void QelRegistry::closeKey() {
    if (current_ != 0)
        registryApi().RegCloseKey(current_);
    current_ = 0;
    currentPath_.clear();
}

std::string QelRegistry::readString(const std::string& name) {
    if (current_ == 0)
        return std::string();
    std::vector<unsigned char> buffer;
    size_t wanted = kFirstBufferSize;
    for (int attempt = 0; attempt < kMaxReadAttempts; ++attempt) {
        makeBuffer(buffer, wanted, name);
        Dword type = kRegNone;
        Dword size = static_cast<Dword>(buffer.size());
        long rc = registryApi().RegQueryValueExA(current_, name.c_str(), nullptr, &type,
                                                 buffer.data(), &size);
        if (rc == kErrorMoreData) {
            // The type comes with the size: data of another type is never
            // fetched, whatever its size.
            if (type != kRegNone && !isText(type))
                throw wrongType(name);
            // A size an ANSI function reports may be that of the UTF-16 data,
            // which is at most twice the text's: beyond twice the bound the
            // text cannot fit, and no buffer is made for it.
            if (buffer.size() >= kMaxTextBytes || size > 2 * kMaxTextBytes)
                throw readFailed(name);
            wanted = std::min(std::max<size_t>(size, buffer.size() * 2), kMaxTextBytes);
            continue;
        }
        if (rc != kErrorSuccess) {
            noteFailedRead(rc, name);
            return std::string();
        }
        if (!isText(type))
            throw wrongType(name);
        size_t length = std::min<size_t>(size, buffer.size());
        const char* text = reinterpret_cast<const char*>(buffer.data());
        try {
            return std::string(text, strnlen(text, length));
        } catch (const std::bad_alloc&) {
            throw readFailed(name);
        }
    }
    throw readFailed(name);
}

int QelRegistry::readInteger(const std::string& name) {
    if (current_ == 0)
        throw readFailed(name);
    unsigned char bytes[4] = {0, 0, 0, 0};
    Dword type = kRegNone;
    Dword size = sizeof bytes;
    long rc = registryApi().RegQueryValueExA(current_, name.c_str(), nullptr, &type, bytes, &size);
    if (rc == kErrorMoreData && type != kRegNone && type != kRegDword)
        throw wrongType(name);
    if (rc != kErrorSuccess && rc != kErrorMoreData)
        noteFailedRead(rc, name);
    if (rc != kErrorSuccess || size > sizeof bytes)
        throw readFailed(name);
    if (type != kRegDword)
        throw wrongType(name);
    // A value shorter than four bytes reads zero-extended.
    std::uint32_t value = 0;
    for (Dword i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return static_cast<int>(value);
}

void QelRegistry::writeValue(const std::string& name, Dword type, const unsigned char* data,
                             size_t size) {
    if (current_ == 0)
        throw writeFailed(name);
    long rc = registryApi().RegSetValueExA(current_, name.c_str(), 0, type, data,
                                           static_cast<Dword>(size));
    if (rc != kErrorSuccess)
        throw writeFailed(name);
}

void QelRegistry::writeString(const std::string& name, const std::string& text) {
    // What the load would refuse is not written: every text stored loads.
    // The system reads a text back with its terminating null, which takes
    // the last byte of the load's buffer.
    if (text.size() >= kMaxTextBytes)
        throw writeFailed(name);
    writeValue(name, kRegSz, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

void QelRegistry::writeInteger(const std::string& name, int value) {
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    unsigned char bytes[4] = {
        static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
        static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    writeValue(name, kRegDword, bytes, sizeof bytes);
}

ERegistryException QelRegistry::writeError(const std::string& name) {
    return writeFailed(name);
}

ERegistryException QelRegistry::readError(const std::string& name) {
    return readFailed(name);
}

void QelRegistry::noteFailedRead(long rc, const std::string& name) {
    if (rc != kErrorFileNotFound && unsure_.empty())
        unsure_ = name.empty() ? std::string("(default)") : name;
}

bool QelRegistry::openChild(const QelRegistry& parent, const std::string& name, bool canCreate) {
    if (current_ != 0 || parent.current_ == 0)
        return false;
    RegHandle key = 0;
    long rc;
    if (canCreate) {
        Dword disposition = 0;
        rc = registryApi().RegCreateKeyExA(parent.current_, name.c_str(), 0, nullptr,
                                           kRegOptionNonVolatile, kKeyAllAccess, nullptr, &key,
                                           &disposition);
    } else {
        rc = registryApi().RegOpenKeyExA(parent.current_, name.c_str(), 0, kKeyAllAccess, &key);
    }
    if (rc != kErrorSuccess || key == 0) {
        noteFailedRead(rc, name);
        return false;
    }
    current_ = key;
    currentPath_ = parent.currentPath_ + "\\" + name;
    path_ = parent.path_ + "\\" + name;
    return true;
}

bool QelRegistry::removeKey(const std::string& name) {
    if (current_ == 0)
        return false;
    long rc = registryApi().RegDeleteKeyA(current_, name.c_str());
    if (rc == kErrorSuccess || rc == kErrorFileNotFound)
        return true;
    return deleteKey(name);
}

void QelRegistry::flush() {
    if (current_ != 0)
        registryApi().RegFlushKey(current_);
}

bool QelRegistry::deleteKey(const std::string& name) {
    bool absolute = !name.empty() && name[0] == '\\';
    std::string relative = absolute ? name.substr(1) : name;
    RegHandle base = baseFor(absolute);
    RegHandle key = 0;
    if (registryApi().RegOpenKeyExA(base, relative.c_str(), 0, kKeyAllAccess, &key) ==
            kErrorSuccess &&
        key != 0) {
        RegHandle saved = current_;
        current_ = key;
        deleteSubKeysOfCurrent();
        current_ = saved;
        registryApi().RegCloseKey(key);
    }
    return registryApi().RegDeleteKeyA(base, relative.c_str()) == kErrorSuccess;
}

void QelRegistry::deleteSubKeysOfCurrent() {
    // Collected first: deleting while enumerating would shift the indices.
    for (const std::string& child : subKeyNames())
        deleteKey(child);
}

int QelRegistry::subKeyCount() {
    if (current_ == 0)
        return -1;
    Dword subKeys = 0;
    long rc = registryApi().RegQueryInfoKeyA(current_, nullptr, nullptr, nullptr, &subKeys, nullptr,
                                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    return rc == kErrorSuccess ? static_cast<int>(std::min<Dword>(subKeys, 0x7FFFFFFF)) : -1;
}

std::vector<std::string> QelRegistry::subKeyNames() {
    std::vector<std::string> names;
    listSubKeys(names);
    return names;
}

int QelRegistry::listSubKeys(std::vector<std::string>& names) {
    names.clear();
    if (current_ == 0)
        return -1;
    Dword subKeys = 0, maxLength = 0;
    if (registryApi().RegQueryInfoKeyA(current_, nullptr, nullptr, nullptr, &subKeys, &maxLength,
                                       nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr) != kErrorSuccess) {
        noteFailedRead(kErrorAccessDenied, "Count");
        return -1;
    }
    try {
        std::vector<char> buffer(std::min<size_t>(maxLength, kLongestKeyName) * kBytesPerCharacter +
                                 1);
        for (Dword i = 0; i < subKeys;) {
            Dword length = static_cast<Dword>(buffer.size());
            long rc = registryApi().RegEnumKeyExA(current_, i, buffer.data(), &length, nullptr,
                                                  nullptr, nullptr, nullptr);
            if (rc == kErrorMoreData && buffer.size() < kMaxNameBytes) {
                // A name longer than told (another program may have added
                // it since): grow and ask again for the same index.
                buffer.resize(std::min(buffer.size() * 2, kMaxNameBytes));
                continue;
            }
            if (rc == kErrorNoMoreItems)
                break;
            if (rc == kErrorSuccess)
                names.emplace_back(buffer.data(), std::min<size_t>(length, buffer.size()));
            else
                noteFailedRead(kErrorAccessDenied, "Count");
            ++i;
        }
    } catch (const std::bad_alloc&) {
        names.clear();
        noteFailedRead(kErrorAccessDenied, "Count");
        return -1;
    }
    return static_cast<int>(std::min<Dword>(subKeys, 0x7FFFFFFF));
}
