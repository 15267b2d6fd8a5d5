#include "model/SaveLock.h"

#include "model/QelRegistry.h"
#include "platform/MutexApi.h"

using namespace platform;

SaveLock::SaveLock(const wchar_t* name) {
    mutex_ = mutexApi().CreateMutexW(nullptr, 0, name);
    if (mutex_ == 0)
        throw QelRegistry::writeError("Count");
    Dword result = mutexApi().WaitForSingleObject(mutex_, kWaitMs);
    if (result != kWaitObject0 && result != kWaitAbandoned) {
        mutexApi().CloseHandle(mutex_);
        throw QelRegistry::writeError("Count");
    }
}

SaveLock::~SaveLock() {
    mutexApi().ReleaseMutex(mutex_);
    mutexApi().CloseHandle(mutex_);
}
