#pragma once
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

    // The number of sub-keys of the current key, or -1 when it cannot be told.
    int subKeyCount();
    // The names of the sub-keys of the current key; empty when they cannot be read.
    std::vector<std::string> subKeyNames();

private:
    platform::RegHandle baseFor(bool absolute) const;
    void deleteSubKeysOfCurrent();
    void writeValue(const std::string& name, platform::Dword type, const unsigned char* data,
                    size_t size);

    platform::RegHandle root_;
    platform::RegHandle current_ = 0;
    std::string currentPath_;
    std::string path_;
};
