#include "fakes/FakeHotKeySystem.h"

#include "platform/HotKeyApi.h"

#include <cctype>
#include <cstring>

using namespace platform;

namespace {

constexpr unsigned kModifierMask = kModAlt | kModControl | kModShift | kModWin;
constexpr std::pair<unsigned, unsigned> kNone{~0u, ~0u};

bool sameName(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b))
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

FakeHotKeySystem::Combination FakeHotKeySystem::combination(unsigned modifiers, unsigned vk) {
    // MOD_NOREPEAT and other flags do not make a combination different.
    return {modifiers & kModifierMask, vk};
}

FakeHotKeySystem::Combination FakeHotKeySystem::findRegistration(int process, Handle hwnd,
                                                                 int id) const {
    for (const auto& [key, owner] : hotKeys_)
        if (owner.process == process && owner.hwnd == hwnd && owner.id == id)
            return key;
    return kNone;
}

void FakeHotKeySystem::detachProcess(int process) {
    std::erase_if(hotKeys_,
                  [process](const auto& entry) { return entry.second.process == process; });
}

Dword FakeHotKeySystem::registerHotKey(int process, Handle hwnd, int id, unsigned modifiers,
                                       unsigned vk) {
    if (refuseNoRepeat_ && (modifiers & kModNoRepeat))
        return kErrorInvalidParameter;
    Combination wanted = combination(modifiers, vk);
    if (hotKeys_.count(wanted))
        return kErrorHotkeyAlreadyRegistered;
    hotKeys_.erase(findRegistration(process, hwnd, id));
    hotKeys_[wanted] = Owner{process, hwnd, id};
    return 0;
}

Dword FakeHotKeySystem::unregisterHotKey(int process, Handle hwnd, int id) {
    return hotKeys_.erase(findRegistration(process, hwnd, id)) ? 0 : kErrorHotkeyNotRegistered;
}

std::uint16_t FakeHotKeySystem::freeAtomValue() const {
    std::uint32_t value = kFirstStringAtom;
    for (auto it = atoms_.begin(); it != atoms_.end() && it->first == value; ++it)
        ++value;
    return value > 0xFFFF ? 0 : static_cast<std::uint16_t>(value);
}

std::uint16_t FakeHotKeySystem::addAtom(const char* name) {
    if (!name || !*name || std::strlen(name) > kMaxAtomName)
        return 0;
    for (auto& [value, atom] : atoms_)
        if (sameName(atom.name, name)) {
            ++atom.references;
            return value;
        }
    std::uint16_t value = freeAtomValue();
    if (value)
        atoms_[value] = Atom{name, 1};
    return value;
}

bool FakeHotKeySystem::deleteAtom(std::uint16_t atom) {
    if (atom < kFirstStringAtom)
        return true; // integer atoms are not counted
    auto found = atoms_.find(atom);
    if (found == atoms_.end())
        return false;
    if (--found->second.references == 0)
        atoms_.erase(found);
    return true;
}

void FakeHotKeySystem::holdForAnotherProgram(unsigned modifiers, unsigned vk) {
    if (!anotherProgram_)
        anotherProgram_ = attachProcess();
    hotKeys_[combination(modifiers, vk)] = Owner{anotherProgram_, 0, 0};
}

void FakeHotKeySystem::releaseFromAnotherProgram(unsigned modifiers, unsigned vk) {
    auto found = hotKeys_.find(combination(modifiers, vk));
    if (found != hotKeys_.end() && found->second.process == anotherProgram_)
        hotKeys_.erase(found);
}

const FakeHotKeySystem::Owner* FakeHotKeySystem::ownerOf(unsigned modifiers, unsigned vk) const {
    auto found = hotKeys_.find(combination(modifiers, vk));
    return found == hotKeys_.end() ? nullptr : &found->second;
}

std::uint16_t FakeHotKeySystem::findAtom(const std::string& name) const {
    for (const auto& [value, atom] : atoms_)
        if (sameName(atom.name, name.c_str()))
            return value;
    return 0;
}

int FakeHotKeySystem::atomReferences(std::uint16_t atom) const {
    auto found = atoms_.find(atom);
    return found == atoms_.end() ? 0 : found->second.references;
}
