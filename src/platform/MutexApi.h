#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"

namespace platform {

// Named mutexes, the way instances of the program in one logon session keep
// out of each other's way: the functions one for one, with their arguments
// and results (a handle of 0 is the null handle, a BOOL an int).
class MutexApi {
public:
    virtual ~MutexApi() = default;

    virtual Handle CreateMutexW(void* security, int initialOwner, const wchar_t* name) = 0;
    virtual Dword WaitForSingleObject(Handle handle, Dword milliseconds) = 0;
    virtual int ReleaseMutex(Handle mutex) = 0;
    virtual int CloseHandle(Handle object) = 0;
};

// The real functions, defined by the Windows build (see Seam.h).
MutexApi& systemInstance(SystemOf<MutexApi>);

// The instance the program uses: the one a test installed, else the system's.
inline MutexApi& mutexApi() {
    return Seam<MutexApi>::get();
}

} // namespace platform
