#pragma once
#include "model/ERegistryException.h"
#include "platform/Win32Types.h"

#include <string>
#include <vector>

// A registry accessor below HKEY_CURRENT_USER. It holds at most one open
// key (the current key) and remembers the full path last opened by openPath,
// so that a child accessor can open a sub-key of it with its own handle.
class QelRegistry {
public:
    QelRegistry();
    QelRegistry(const QelRegistry& other);
    QelRegistry(const QelRegistry& parent, const std::string& subKey);
    QelRegistry& operator=(const QelRegistry&) = delete;
    virtual ~QelRegistry();

    bool openPath(const std::string& fullPath);
    const std::string& path() const { return path_; }

    bool openKey(const std::string& name, bool canCreate);
    void closeKey();
    bool hasCurrentKey() const { return current_ != 0; }
    const std::string& currentPath() const { return currentPath_; }

    std::string readString(const std::string& name);
    void writeString(const std::string& name, const std::string& text);
    int readInteger(const std::string& name);
    void writeInteger(const std::string& name, int value);
    bool readBool(const std::string& name) { return readInteger(name) != 0; }
    void writeBool(const std::string& name, bool value) { writeInteger(name, value ? 1 : 0); }

    bool deleteKey(const std::string& name);

    // Opens the sub-key `name` of `parent`'s current key with a handle of its
    // own, from that key rather than from the root: one call, not one a
    // component. An accessor that has a key open is left as it is.
    bool openChild(const QelRegistry& parent, const std::string& name, bool canCreate);
    // Makes sure the sub-key `name` of the current key is gone: a key without
    // sub-keys goes in one call. False when it is still there.
    bool removeKey(const std::string& name);
    // Writes what was changed below the current key through to the disk.
    void flush();
    // A read that failed for another reason than the value's absence, its
    // size or its type: what was read then is not what every reader sees.
    // The name of the first such value or key, or "".
    const std::string& unsure() const { return unsure_; }
    // The registry error for a value that could not be written.
    static ERegistryException writeError(const std::string& name);
    static ERegistryException readError(const std::string& name);

    // The number of sub-keys of the current key, or -1 when it cannot be told.
    int subKeyCount();
    // The names of the sub-keys of the current key; empty when they cannot be read.
    std::vector<std::string> subKeyNames();
    // The same into `names` (a name that cannot be read is left out); the
    // result is the number of sub-keys the key reports, or -1 when they
    // cannot be listed at all.
    int listSubKeys(std::vector<std::string>& names);

    // A text value whose data does not fit in this many bytes (in the ANSI
    // code page) is unreadable, and a longer text is never written. That is
    // 16 times the megabyte that must load: room for 4 bytes a character and
    // for a reported size taken from the UTF-16 data, yet a buffer a 32-bit
    // process can always afford.
    static constexpr size_t kMaxTextBytes = size_t{16} << 20;
    // The most UTF-16 units an edit lets in: their text fits in kMaxTextBytes
    // in any ANSI code page (UTF-8 takes at most 3 bytes a unit).
    static constexpr size_t kMaxTextUnits = kMaxTextBytes / 3;

private:
    platform::RegHandle baseFor(bool absolute) const;
    void deleteSubKeysOfCurrent();
    void writeValue(const std::string& name, platform::Dword type, const unsigned char* data,
                    size_t size);
    void noteFailedRead(long rc, const std::string& name);

    platform::RegHandle root_;
    platform::RegHandle current_ = 0;
    std::string currentPath_;
    std::string path_;
    std::string unsure_;
};
