#pragma once
#include "platform/Win32Types.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

// One desktop's global hotkeys and global atoms, shared by every fake
// process on it. Behaves as Wine does: a combination belongs to at most one
// registration whoever made it, registering a (window, id) that a process
// already uses replaces its combination, atom names compare without case and
// an atom lives until as many deletes as adds.
class FakeHotKeySystem {
public:
    struct Owner {
        int process = 0;
        platform::Handle hwnd = 0;
        int id = 0;
    };

    // Processes: each FakeHotKeyApi attaches itself as one.
    int attachProcess() { return nextProcess_++; }
    // Its hotkeys go as a process's do when it ends; its atoms stay.
    void detachProcess(int process);

    // The system side of the calls: 0 or the error code.
    platform::Dword registerHotKey(int process, platform::Handle hwnd, int id, unsigned modifiers,
                                   unsigned vk);
    platform::Dword unregisterHotKey(int process, platform::Handle hwnd, int id);
    std::uint16_t addAtom(const char* name);
    bool deleteAtom(std::uint16_t atom);

    // Direct access for tests.
    // As on Windows before 7: MOD_NOREPEAT is an invalid parameter.
    void refuseNoRepeat() { refuseNoRepeat_ = true; }
    void holdForAnotherProgram(unsigned modifiers, unsigned vk);
    void releaseFromAnotherProgram(unsigned modifiers, unsigned vk);
    const Owner* ownerOf(unsigned modifiers, unsigned vk) const;
    size_t hotKeyCount() const { return hotKeys_.size(); }
    std::uint16_t findAtom(const std::string& name) const;
    int atomReferences(std::uint16_t atom) const;
    size_t atomCount() const { return atoms_.size(); }

    static constexpr std::uint16_t kFirstStringAtom = 0xC000;
    static constexpr size_t kMaxAtomName = 255;

private:
    using Combination = std::pair<unsigned, unsigned>; // modifiers, vk
    struct Atom {
        std::string name;
        int references = 0;
    };

    static Combination combination(unsigned modifiers, unsigned vk);
    Combination findRegistration(int process, platform::Handle hwnd, int id) const;
    std::uint16_t freeAtomValue() const;

    std::map<Combination, Owner> hotKeys_;
    std::map<std::uint16_t, Atom> atoms_;
    int nextProcess_ = 1;
    int anotherProgram_ = 0;
    bool refuseNoRepeat_ = false;
};
