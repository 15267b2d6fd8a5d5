#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"

namespace platform {

// The ANSI registry functions, one for one, with their arguments and result
// codes. Pointers the real API allows to be null may be null here too.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    virtual long RegCreateKeyExA(RegHandle key, const char* subKey, Dword reserved, char* keyClass,
                                 Dword options, Dword samDesired, void* security, RegHandle* result,
                                 Dword* disposition) = 0;
    virtual long RegOpenKeyExA(RegHandle key, const char* subKey, Dword options, Dword samDesired,
                               RegHandle* result) = 0;
    virtual long RegCloseKey(RegHandle key) = 0;
    virtual long RegSetValueExA(RegHandle key, const char* valueName, Dword reserved, Dword type,
                                const unsigned char* data, Dword dataSize) = 0;
    virtual long RegQueryValueExA(RegHandle key, const char* valueName, Dword* reserved,
                                  Dword* type, unsigned char* data, Dword* dataSize) = 0;
    virtual long RegQueryInfoKeyA(RegHandle key, char* keyClass, Dword* classSize, Dword* reserved,
                                  Dword* subKeys, Dword* maxSubKeyLen, Dword* maxClassLen,
                                  Dword* values, Dword* maxValueNameLen, Dword* maxValueLen,
                                  Dword* securityDescriptor, void* lastWriteTime) = 0;
    virtual long RegEnumKeyExA(RegHandle key, Dword index, char* name, Dword* nameSize,
                               Dword* reserved, char* keyClass, Dword* classSize,
                               void* lastWriteTime) = 0;
    virtual long RegDeleteKeyA(RegHandle key, const char* subKey) = 0;
    virtual long RegFlushKey(RegHandle key) = 0;
};

// The real registry, defined by the Windows build (see Seam.h).
RegistryApi& systemInstance(SystemOf<RegistryApi>);

// The instance the program uses: the one a test installed, else the system's.
inline RegistryApi& registryApi() {
    return Seam<RegistryApi>::get();
}

} // namespace platform
