#include "app/HotKeyAccessCtrl.h"

#include "model/HotKeyList.h"
#include "platform/HotKeyApi.h"

using platform::hotKeyApi;

// Every walk over all combinations goes ctrl, alt, shift, letter from the
// outside in; the order of the system calls follows from it.
template <typename Visit> void HotKeyAccessCtrl::forEachCombination(Visit visit) {
    for (bool ctrl : {false, true})
        for (bool alt : {false, true})
            for (bool shift : {false, true})
                for (char letter = 'A'; letter <= 'Z'; ++letter)
                    visit(KeyCombination(letter, ctrl, alt, shift));
}

HotKeyAccessCtrl::HotKeyAccessCtrl(platform::Handle window, std::string prefix)
    : window_(window), prefix_(std::move(prefix)), noRepeat_(platform::kModNoRepeat) {
    try {
        forEachCombination([this](const KeyCombination& c) { createAndProbe(c); });
    } catch (...) {
        // Atoms outlive the process: what a failed start took must go back.
        release();
        throw;
    }
}

HotKeyAccessCtrl::~HotKeyAccessCtrl() {
    release();
}

void HotKeyAccessCtrl::release() {
    unregisterAll();
    forEachCombination(
        [this](const KeyCombination& c) { hotKeyApi().GlobalDeleteAtom(atoms_[c.slot()]); });
}

void HotKeyAccessCtrl::createAndProbe(const KeyCombination& combination) {
    int slot = combination.slot();
    registered_[slot] = false;
    atoms_[slot] = hotKeyApi().GlobalAddAtomA(atomName(combination).c_str());
    if (atoms_[slot] != 0 && registerHotKey(combination))
        unregisterHotKey(combination);
}

bool HotKeyAccessCtrl::isRegistered(const KeyCombination& combination) const {
    int slot = combination.slot();
    return slot >= 0 && registered_[slot];
}

bool HotKeyAccessCtrl::isUsable(const KeyCombination& combination) const {
    int slot = combination.slot();
    return slot >= 0 && usable_[slot];
}

std::uint16_t HotKeyAccessCtrl::atomOf(const KeyCombination& combination) const {
    int slot = combination.slot();
    return slot >= 0 ? atoms_[slot] : 0;
}

std::string HotKeyAccessCtrl::atomName(const KeyCombination& combination) const {
    return combination.atomName(prefix_);
}

bool HotKeyAccessCtrl::registerHotKey(const KeyCombination& combination) {
    int slot = combination.slot();
    if (slot < 0)
        return false;
    if (registered_[slot])
        return true;
    bool ok = registerWithSystem(combination);
    registered_[slot] = ok;
    usable_[slot] = ok;
    return ok;
}

// Windows before 7 does not know MOD_NOREPEAT and reports an invalid
// parameter; there the combination is tried again without it, and the flag
// is left out from then on, so that it never makes a combination unusable.
bool HotKeyAccessCtrl::registerWithSystem(const KeyCombination& combination) {
    std::uint16_t id = atoms_[combination.slot()];
    unsigned modifiers = combination.hotKeyModifiers();
    unsigned vk = static_cast<unsigned char>(combination.letter());
    if (hotKeyApi().RegisterHotKey(window_, id, modifiers | noRepeat_, vk))
        return true;
    if (noRepeat_ == 0 || hotKeyApi().GetLastError() != platform::kErrorInvalidParameter)
        return false;
    if (!hotKeyApi().RegisterHotKey(window_, id, modifiers, vk))
        return false;
    noRepeat_ = 0;
    return true;
}

bool HotKeyAccessCtrl::unregisterHotKey(const KeyCombination& combination) {
    int slot = combination.slot();
    if (slot < 0)
        return false;
    if (!registered_[slot])
        return true;
    bool ok = hotKeyApi().UnregisterHotKey(window_, atoms_[slot]);
    registered_[slot] = !ok;
    usable_[slot] = ok;
    return ok;
}

bool HotKeyAccessCtrl::synchronize(const HotKeyList* list) {
    bool result = true;
    forEachCombination([&](const KeyCombination& c) {
        if (!synchronizeOne(list, c))
            result = false;
    });
    return result;
}

bool HotKeyAccessCtrl::synchronizeOne(const HotKeyList* list, const KeyCombination& combination) {
    int slot = combination.slot();
    bool defined = list && list->find(combination);
    if (defined && usable_[slot] && !registered_[slot])
        return registerHotKey(combination);
    if (!defined && registered_[slot])
        return unregisterHotKey(combination);
    return true;
}

bool HotKeyAccessCtrl::unregisterAll() {
    bool result = true;
    forEachCombination([&](const KeyCombination& c) {
        if (isRegistered(c) && !unregisterHotKey(c))
            result = false;
    });
    return result;
}
