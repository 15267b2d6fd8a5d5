#pragma once
#include "platform/Win32Types.h"

// Keeps the saves of the instances in one logon session apart: a named
// mutex of the session's namespace, held from construction to destruction.
// A wait that ends as abandoned (its holder ended in the middle of a save)
// takes it over: a save stopped anywhere leaves a store the next one reads.
// When the mutex cannot be had within kWaitMs, a save's lock raises a
// registry error that says another instance is saving: the save stores
// nothing and says so, rather than waiting without end or going on
// unguarded. A load's lock waits as long, so that it does not read across
// another instance's save, but never stops the load: past the bound it reads
// as it would without the lock.
class SaveLock {
public:
    enum class Mode { Save, Load };
    explicit SaveLock(const wchar_t* name, Mode mode = Mode::Save);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Far longer than a save of every combination takes, even under Wine.
    static constexpr platform::Dword kWaitMs = 5000;

private:
    platform::Handle mutex_ = 0;
    bool held_ = false;
};
