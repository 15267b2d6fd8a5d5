#include "platform/MutexApi.h"

#include <windows.h>

namespace platform {

static_assert(kWaitObject0 == WAIT_OBJECT_0 && kWaitAbandoned == WAIT_ABANDONED);
static_assert(kWaitTimeout == WAIT_TIMEOUT && kInfinite == INFINITE);

namespace {

HANDLE handle(Handle h) {
    return reinterpret_cast<HANDLE>(h);
}

class Win32MutexApi final : public MutexApi {
public:
    Handle CreateMutexW(void* security, int initialOwner, const wchar_t* name) override {
        return reinterpret_cast<Handle>(
            ::CreateMutexW(static_cast<SECURITY_ATTRIBUTES*>(security), initialOwner, name));
    }
    Dword WaitForSingleObject(Handle h, Dword milliseconds) override {
        return ::WaitForSingleObject(handle(h), milliseconds);
    }
    int ReleaseMutex(Handle mutex) override { return ::ReleaseMutex(handle(mutex)); }
    int CloseHandle(Handle object) override { return ::CloseHandle(handle(object)); }
};

} // namespace

MutexApi& systemInstance(SystemOf<MutexApi>) {
    static Win32MutexApi api;
    return api;
}

} // namespace platform
