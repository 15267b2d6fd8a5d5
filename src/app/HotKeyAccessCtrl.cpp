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
                    visit(letter, ctrl, alt, shift);
}

HotKeyAccessCtrl::HotKeyAccessCtrl(platform::Handle window, std::string prefix)
    : window_(window), prefix_(std::move(prefix)), noRepeat_(platform::kModNoRepeat) {
    try {
        forEachCombination([this](char letter, bool ctrl, bool alt, bool shift) {
            createAndProbe(letter, ctrl, alt, shift);
        });
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
    forEachCombination([this](char letter, bool ctrl, bool alt, bool shift) {
        hotKeyApi().GlobalDeleteAtom(atoms_[slotOf(letter, ctrl, alt, shift)]);
    });
}

void HotKeyAccessCtrl::createAndProbe(char letter, bool ctrl, bool alt, bool shift) {
    int slot = slotOf(letter, ctrl, alt, shift);
    registered_[slot] = false;
    atoms_[slot] = hotKeyApi().GlobalAddAtomA(atomName(letter, ctrl, alt, shift).c_str());
    if (atoms_[slot] != 0 && registerHotKey(letter, ctrl, alt, shift))
        unregisterHotKey(letter, ctrl, alt, shift);
}

bool HotKeyAccessCtrl::isRegistered(char letter, bool ctrl, bool alt, bool shift) const {
    int slot = slotOf(letter, ctrl, alt, shift);
    return slot >= 0 && registered_[slot];
}

bool HotKeyAccessCtrl::isUsable(char letter, bool ctrl, bool alt, bool shift) const {
    int slot = slotOf(letter, ctrl, alt, shift);
    return slot >= 0 && usable_[slot];
}

std::uint16_t HotKeyAccessCtrl::atomOf(char letter, bool ctrl, bool alt, bool shift) const {
    int slot = slotOf(letter, ctrl, alt, shift);
    return slot >= 0 ? atoms_[slot] : 0;
}

int HotKeyAccessCtrl::slotOf(char letter, bool ctrl, bool alt, bool shift) {
    int index = letter >= 'a' && letter <= 'z' ? letter - 'a' : letter - 'A';
    if (index < 0 || index > 25)
        return -1;
    return index + (ctrl ? 26 : 0) + (alt ? 52 : 0) + (shift ? 104 : 0);
}

std::string HotKeyAccessCtrl::atomName(char letter, bool ctrl, bool alt, bool shift) const {
    std::string name = prefix_ + "_" + letter;
    if (ctrl)
        name += "_ctrl";
    if (alt)
        name += "_alt";
    if (shift)
        name += "_shift";
    return name;
}

unsigned HotKeyAccessCtrl::modifiersOf(bool ctrl, bool alt, bool shift) {
    return platform::kModWin | (ctrl ? platform::kModControl : 0) | (alt ? platform::kModAlt : 0) |
           (shift ? platform::kModShift : 0);
}

bool HotKeyAccessCtrl::registerHotKey(char letter, bool ctrl, bool alt, bool shift) {
    int slot = slotOf(letter, ctrl, alt, shift);
    if (slot < 0)
        return false;
    if (registered_[slot])
        return true;
    bool ok = registerWithSystem(slot, modifiersOf(ctrl, alt, shift), letter);
    registered_[slot] = ok;
    usable_[slot] = ok;
    return ok;
}

// Windows before 7 does not know MOD_NOREPEAT and reports an invalid
// parameter; there the combination is tried again without it, and the flag
// is left out from then on, so that it never makes a combination unusable.
bool HotKeyAccessCtrl::registerWithSystem(int slot, unsigned modifiers, char letter) {
    unsigned vk = static_cast<unsigned char>(letter);
    if (hotKeyApi().RegisterHotKey(window_, atoms_[slot], modifiers | noRepeat_, vk))
        return true;
    if (noRepeat_ == 0 || hotKeyApi().GetLastError() != platform::kErrorInvalidParameter)
        return false;
    if (!hotKeyApi().RegisterHotKey(window_, atoms_[slot], modifiers, vk))
        return false;
    noRepeat_ = 0;
    return true;
}

bool HotKeyAccessCtrl::unregisterHotKey(char letter, bool ctrl, bool alt, bool shift) {
    int slot = slotOf(letter, ctrl, alt, shift);
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
    forEachCombination([&](char letter, bool ctrl, bool alt, bool shift) {
        if (!synchronizeOne(list, letter, ctrl, alt, shift))
            result = false;
    });
    return result;
}

bool HotKeyAccessCtrl::synchronizeOne(const HotKeyList* list, char letter, bool ctrl, bool alt,
                                      bool shift) {
    int slot = slotOf(letter, ctrl, alt, shift);
    bool defined = list && list->find(letter, ctrl, alt, shift);
    if (defined && usable_[slot] && !registered_[slot])
        return registerHotKey(letter, ctrl, alt, shift);
    if (!defined && registered_[slot])
        return unregisterHotKey(letter, ctrl, alt, shift);
    return true;
}

bool HotKeyAccessCtrl::unregisterAll() {
    bool result = true;
    forEachCombination([&](char letter, bool ctrl, bool alt, bool shift) {
        if (isRegistered(letter, ctrl, alt, shift) && !unregisterHotKey(letter, ctrl, alt, shift))
            result = false;
    });
    return result;
}
