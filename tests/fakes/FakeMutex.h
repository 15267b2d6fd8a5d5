#pragma once
#include "platform/MutexApi.h"

#include <map>
#include <memory>
#include <string>

// Named mutexes as Windows keeps them for the processes of one session: a
// FakeMutex is one process (of one thread), and those made beside it share
// its names. A mutex is the owner's again and again (counted), and is
// abandoned when its owner ends. A wait never blocks: a mutex another
// process holds is reported held past the time asked for, and a wait for it
// without end stops the run, as it would hang.
class FakeMutex : public platform::MutexApi {
public:
    // With `beside`, another process of the same session.
    explicit FakeMutex(const FakeMutex* beside = nullptr);

    platform::Handle CreateMutexW(void* security, int initialOwner, const wchar_t* name) override;
    platform::Dword WaitForSingleObject(platform::Handle handle,
                                        platform::Dword milliseconds) override;
    int ReleaseMutex(platform::Handle mutex) override;
    int CloseHandle(platform::Handle object) override;

    // As if this process ended: what it holds is abandoned.
    void end();
    size_t openHandles() const { return handles_.size(); }

private:
    struct Mutex {
        const FakeMutex* owner = nullptr;
        int depth = 0;
        bool abandoned = false;
    };
    using Names = std::map<std::wstring, std::shared_ptr<Mutex>>;

    std::shared_ptr<Names> names_;
    std::map<platform::Handle, std::shared_ptr<Mutex>> handles_;
    platform::Handle next_ = 0x40;
};
