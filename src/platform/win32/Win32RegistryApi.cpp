#include "platform/RegistryApi.h"

#include <windows.h>

namespace platform {

namespace {

HKEY hkey(RegHandle h) {
    return reinterpret_cast<HKEY>(h);
}

// DWORD is unsigned long here and Dword is unsigned int: same size, copied
// through locals so no pointer is reinterpreted.
class DwordOut {
public:
    explicit DwordOut(Dword* target) : target_(target), value_(target ? *target : 0) {}
    ~DwordOut() {
        if (target_)
            *target_ = static_cast<Dword>(value_);
    }
    DWORD* get() { return target_ ? &value_ : nullptr; }

private:
    Dword* target_;
    DWORD value_;
};

class Win32RegistryApi final : public RegistryApi {
public:
    long RegCreateKeyExA(RegHandle key, const char* subKey, Dword reserved, char* keyClass,
                         Dword options, Dword samDesired, void* security, RegHandle* result,
                         Dword* disposition) override {
        HKEY out = nullptr;
        DwordOut disp(disposition);
        LONG rc = ::RegCreateKeyExA(hkey(key), subKey, reserved, keyClass, options, samDesired,
                                    static_cast<LPSECURITY_ATTRIBUTES>(security), &out, disp.get());
        if (result)
            *result = reinterpret_cast<RegHandle>(out);
        return rc;
    }
    long RegOpenKeyExA(RegHandle key, const char* subKey, Dword options, Dword samDesired,
                       RegHandle* result) override {
        HKEY out = nullptr;
        LONG rc = ::RegOpenKeyExA(hkey(key), subKey, options, samDesired, &out);
        if (result)
            *result = reinterpret_cast<RegHandle>(out);
        return rc;
    }
    long RegCloseKey(RegHandle key) override { return ::RegCloseKey(hkey(key)); }
    long RegSetValueExA(RegHandle key, const char* valueName, Dword reserved, Dword type,
                        const unsigned char* data, Dword dataSize) override {
        return ::RegSetValueExA(hkey(key), valueName, reserved, type, data, dataSize);
    }
    long RegQueryValueExA(RegHandle key, const char* valueName, Dword* reserved, Dword* type,
                          unsigned char* data, Dword* dataSize) override {
        DwordOut res(reserved), t(type), size(dataSize);
        return ::RegQueryValueExA(hkey(key), valueName, res.get(), t.get(), data, size.get());
    }
    long RegQueryInfoKeyA(RegHandle key, char* keyClass, Dword* classSize, Dword* reserved,
                          Dword* subKeys, Dword* maxSubKeyLen, Dword* maxClassLen, Dword* values,
                          Dword* maxValueNameLen, Dword* maxValueLen, Dword* securityDescriptor,
                          void* lastWriteTime) override {
        DwordOut res(reserved), cs(classSize), sk(subKeys), msk(maxSubKeyLen), mcl(maxClassLen),
            v(values), mvn(maxValueNameLen), mvl(maxValueLen), sd(securityDescriptor);
        return ::RegQueryInfoKeyA(hkey(key), keyClass, cs.get(), res.get(), sk.get(), msk.get(),
                                  mcl.get(), v.get(), mvn.get(), mvl.get(), sd.get(),
                                  static_cast<PFILETIME>(lastWriteTime));
    }
    long RegEnumKeyExA(RegHandle key, Dword index, char* name, Dword* nameSize, Dword* reserved,
                       char* keyClass, Dword* classSize, void* lastWriteTime) override {
        DwordOut res(reserved), ns(nameSize), cs(classSize);
        return ::RegEnumKeyExA(hkey(key), index, name, ns.get(), res.get(), keyClass, cs.get(),
                               static_cast<PFILETIME>(lastWriteTime));
    }
    long RegDeleteKeyA(RegHandle key, const char* subKey) override {
        return ::RegDeleteKeyA(hkey(key), subKey);
    }
    long RegFlushKey(RegHandle key) override { return ::RegFlushKey(hkey(key)); }
};

} // namespace

RegistryApi& systemInstance(SystemOf<RegistryApi>) {
    static Win32RegistryApi api;
    return api;
}

} // namespace platform
