#include "platform/RegistryApi.h"

namespace platform {

namespace {

// A native build has no registry: every call fails as an unimplemented
// function would, so code that forgot to install a fake fails loudly.
class UnavailableRegistryApi final : public RegistryApi {
public:
    long RegCreateKeyExA(RegHandle, const char*, Dword, char*, Dword, Dword, void*, RegHandle*,
                         Dword*) override {
        return kErrorCallNotImplemented;
    }
    long RegOpenKeyExA(RegHandle, const char*, Dword, Dword, RegHandle*) override {
        return kErrorCallNotImplemented;
    }
    long RegCloseKey(RegHandle) override { return kErrorCallNotImplemented; }
    long RegSetValueExA(RegHandle, const char*, Dword, Dword, const unsigned char*,
                        Dword) override {
        return kErrorCallNotImplemented;
    }
    long RegQueryValueExA(RegHandle, const char*, Dword*, Dword*, unsigned char*, Dword*) override {
        return kErrorCallNotImplemented;
    }
    long RegQueryInfoKeyA(RegHandle, char*, Dword*, Dword*, Dword*, Dword*, Dword*, Dword*, Dword*,
                          Dword*, Dword*, void*) override {
        return kErrorCallNotImplemented;
    }
    long RegEnumKeyExA(RegHandle, Dword, char*, Dword*, Dword*, char*, Dword*, void*) override {
        return kErrorCallNotImplemented;
    }
    long RegDeleteKeyA(RegHandle, const char*) override { return kErrorCallNotImplemented; }
};

} // namespace

RegistryApi& defaultRegistryApi() {
    static UnavailableRegistryApi api;
    return api;
}

} // namespace platform
