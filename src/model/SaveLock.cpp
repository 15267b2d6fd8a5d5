#include "model/SaveLock.h"

#include "model/ERegistryException.h"
#include "platform/MutexApi.h"

using namespace platform;

namespace {
ERegistryException anotherSaving() {
    return ERegistryException(
        "別の Lumaro が定義を保存しています。少し待ってから、もう一度 OK を押してください。");
}
} // namespace

SaveLock::SaveLock(const wchar_t* name, Mode mode) {
    mutex_ = mutexApi().CreateMutexW(nullptr, 0, name);
    if (mutex_ != 0) {
        Dword result = mutexApi().WaitForSingleObject(mutex_, kWaitMs);
        held_ = result == kWaitObject0 || result == kWaitAbandoned;
    }
    if (!held_ && mode == Mode::Save) {
        if (mutex_ != 0)
            mutexApi().CloseHandle(mutex_);
        throw anotherSaving();
    }
}

SaveLock::~SaveLock() {
    if (held_)
        mutexApi().ReleaseMutex(mutex_);
    if (mutex_ != 0)
        mutexApi().CloseHandle(mutex_);
}
