#pragma once
#include "platform/RegistryApi.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A registry in memory that behaves as Windows does for the calls the
// program makes: keys and value names compare without case, values keep
// their type and bytes, handles are counted, and any call can be refused.
// Names and text are bytes in the code page the fake is told (1252 unless
// told otherwise); like the real RegQueryInfoKeyA it counts the longest
// sub-key name in UTF-16 characters of that code page (932 and 65001 have
// characters of several bytes; every other code page is taken as one byte
// a character).
class FakeRegistry : public platform::RegistryApi {
public:
    struct Value {
        std::string name;
        platform::Dword type = platform::kRegNone;
        std::vector<unsigned char> bytes;
        // A value too big to keep: this many bytes of `fill` instead of
        // `bytes` (0: the value is its bytes).
        platform::Dword virtualSize = 0;
        unsigned char fill = 0;
        // The size RegQueryValueExA reports when it gives no data (a buffer
        // too small, or none), when it does not match the data; -1: the
        // data's own size.
        long long reportedSize = -1;

        platform::Dword size() const {
            return virtualSize ? virtualSize : static_cast<platform::Dword>(bytes.size());
        }
    };
    struct Key {
        std::string name;
        std::map<std::string, std::shared_ptr<Key>> children; // by upper-case name
        std::map<std::string, Value> values;                  // by upper-case name
        bool deleted = false;
    };

    FakeRegistry();
    ~FakeRegistry() override;

    // The registry functions.
    long RegCreateKeyExA(platform::RegHandle key, const char* subKey, platform::Dword reserved,
                         char* keyClass, platform::Dword options, platform::Dword samDesired,
                         void* security, platform::RegHandle* result,
                         platform::Dword* disposition) override;
    long RegOpenKeyExA(platform::RegHandle key, const char* subKey, platform::Dword options,
                       platform::Dword samDesired, platform::RegHandle* result) override;
    long RegCloseKey(platform::RegHandle key) override;
    long RegSetValueExA(platform::RegHandle key, const char* valueName, platform::Dword reserved,
                        platform::Dword type, const unsigned char* data,
                        platform::Dword dataSize) override;
    long RegQueryValueExA(platform::RegHandle key, const char* valueName, platform::Dword* reserved,
                          platform::Dword* type, unsigned char* data,
                          platform::Dword* dataSize) override;
    long RegQueryInfoKeyA(platform::RegHandle key, char* keyClass, platform::Dword* classSize,
                          platform::Dword* reserved, platform::Dword* subKeys,
                          platform::Dword* maxSubKeyLen, platform::Dword* maxClassLen,
                          platform::Dword* values, platform::Dword* maxValueNameLen,
                          platform::Dword* maxValueLen, platform::Dword* securityDescriptor,
                          void* lastWriteTime) override;
    long RegEnumKeyExA(platform::RegHandle key, platform::Dword index, char* name,
                       platform::Dword* nameSize, platform::Dword* reserved, char* keyClass,
                       platform::Dword* classSize, void* lastWriteTime) override;
    long RegDeleteKeyA(platform::RegHandle key, const char* subKey) override;
    long RegFlushKey(platform::RegHandle key) override;

    // Direct access for tests: paths are below HKEY_CURRENT_USER, "\"-separated.
    Key* findKey(const std::string& path) const;
    Key& makeKey(const std::string& path);
    bool hasKey(const std::string& path) const { return findKey(path) != nullptr; }
    const Value* findValue(const std::string& path, const std::string& name) const;
    void setValue(const std::string& path, const std::string& name, platform::Dword type,
                  std::vector<unsigned char> bytes);
    void setString(const std::string& path, const std::string& name, const std::string& text);
    // A value of `size` bytes of `fill`, kept without storing them.
    void setHugeValue(const std::string& path, const std::string& name, platform::Dword type,
                      platform::Dword size, unsigned char fill);
    // RegQueryValueExA reports `size` for this value whenever it gives no data.
    void misreportSize(const std::string& path, const std::string& name, platform::Dword size);
    void setDword(const std::string& path, const std::string& name, std::uint32_t value);
    std::string stringValue(const std::string& path, const std::string& name) const;
    std::uint32_t dwordValue(const std::string& path, const std::string& name) const;
    std::vector<std::string> subKeyNames(const std::string& path) const;
    size_t keyCount() const; // every key below the root
    void removeKey(const std::string& path);

    // Failures on demand. The call numbered `n` (1-based, counting every
    // call since the last resetCalls) fails with `error` and changes nothing.
    void failCall(long n, long error = platform::kErrorAccessDenied);
    // Every call of the named function fails while set.
    void failFunction(const std::string& function, long error = platform::kErrorAccessDenied);
    void resetCalls();
    // As if the process ended after the call numbered `n` (counted as for
    // failCall): every later call is refused and changes nothing, so the
    // registry stays as that process left it. 0: never.
    void stopAfter(long n) { stopAfter_ = n; }
    // Runs `action` once, just before the call numbered `n` (counted as for
    // failCall): what another process does between two calls.
    void beforeCall(long n, std::function<void()> action) {
        hookAt_ = n;
        hook_ = std::move(action);
    }
    bool stopped() const { return stopAfter_ != 0 && callCount_ > stopAfter_; }
    // A value that grows between calls, as when another program keeps
    // rewriting it: the first value asked for by RegQueryValueExA at or after
    // the call numbered `fromCall` (counted as for failCall) is lengthened by
    // `bytes`, and by its own length as well when `doubling`, before that
    // call and before each later one that asks for it, `times` times in all
    // (-1: without end). Text grows by 'g's, other data by zeros.
    void growValues(long fromCall, platform::Dword bytes, int times = 1, bool doubling = false);
    // The largest buffer a RegQueryValueExA call has been offered.
    platform::Dword largestQueryBuffer() const { return largestQueryBuffer_; }
    // RegQueryInfoKeyA reports this as the longest sub-key name, as if a
    // longer one had been added since (-1: the truth).
    void misreportLongestSubKey(long long characters) { longestSubKeyReport_ = characters; }
    void setCodePage(unsigned codePage) { codePage_ = codePage; }
    unsigned codePage() const { return codePage_; }
    // The length of a name in UTF-16 characters in the fake's code page.
    platform::Dword charactersOf(const std::string& bytes) const;
    long callCount() const { return callCount_; }
    const std::vector<std::string>& calls() const { return calls_; }
    size_t openHandles() const { return handles_.size(); }

private:
    std::shared_ptr<Key> keyOf(platform::RegHandle handle) const;
    std::shared_ptr<Key> walk(std::shared_ptr<Key> from, const std::string& path, bool create,
                              bool* created) const;
    platform::RegHandle newHandle(std::shared_ptr<Key> key);
    long enter(const char* function);
    long enterKey(const char* function, platform::RegHandle handle, std::shared_ptr<Key>& key,
                  bool deletedToo = false);
    void grow(Value& value) const;

    std::shared_ptr<Key> root_;
    std::map<platform::RegHandle, std::shared_ptr<Key>> handles_;
    platform::RegHandle nextHandle_ = 0x1000;
    long callCount_ = 0;
    long failAt_ = 0;
    long stopAfter_ = 0;
    long hookAt_ = 0;
    std::function<void()> hook_;
    long failError_ = 0;
    std::map<std::string, long> failingFunctions_;
    std::vector<std::string> calls_;
    struct Growth {
        long fromCall = 0;
        platform::Dword bytes = 0;
        int times = 0;
        bool doubling = false;
        const Value* value = nullptr;
    } growth_;
    platform::Dword largestQueryBuffer_ = 0;
    long long longestSubKeyReport_ = -1;
    unsigned codePage_ = 1252;
};
