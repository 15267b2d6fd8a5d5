#include "fakes/FakeMutex.h"

#include <cstdlib>

using namespace platform;

FakeMutex::FakeMutex(const FakeMutex* beside)
    : names_(beside ? beside->names_ : std::make_shared<Names>()) {}

Handle FakeMutex::CreateMutexW(void*, int initialOwner, const wchar_t* name) {
    std::shared_ptr<Mutex>& mutex = (*names_)[name ? name : L""];
    if (!mutex) {
        mutex = std::make_shared<Mutex>();
        if (initialOwner)
            *mutex = {this, 1, false};
    }
    handles_[next_] = mutex;
    return next_++;
}

Dword FakeMutex::WaitForSingleObject(Handle handle, Dword milliseconds) {
    auto found = handles_.find(handle);
    if (found == handles_.end())
        return 0xFFFFFFFF; // WAIT_FAILED
    Mutex& mutex = *found->second;
    if (mutex.owner && mutex.owner != this) {
        if (milliseconds == kInfinite)
            std::abort(); // the holder never runs while this waits: a hang
        return kWaitTimeout;
    }
    bool abandoned = mutex.abandoned;
    mutex = {this, mutex.depth + 1, false};
    return abandoned ? kWaitAbandoned : kWaitObject0;
}

int FakeMutex::ReleaseMutex(Handle handle) {
    auto found = handles_.find(handle);
    if (found == handles_.end() || found->second->owner != this)
        return 0;
    if (--found->second->depth == 0)
        found->second->owner = nullptr;
    return 1;
}

int FakeMutex::CloseHandle(Handle handle) {
    return handles_.erase(handle) ? 1 : 0;
}

void FakeMutex::end() {
    for (auto& [name, mutex] : *names_)
        if (mutex->owner == this)
            *mutex = {nullptr, 0, true};
}
