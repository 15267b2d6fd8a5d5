#include "app/HotKeyAccessCtrl.h"
#include "fakes/FakeHotKeyApi.h"
#include "fakes/FakeHotKeySystem.h"
#include "model/HotKeyList.h"
#include "platform/HotKeyApi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using platform::Handle;

struct Combination {
    char letter;
    bool ctrl = false, alt = false, shift = false;
};

std::unique_ptr<HotKeyList> listOf(std::initializer_list<Combination> combinations) {
    auto list = std::make_unique<HotKeyList>();
    for (const Combination& c : combinations) {
        auto* key = new HotKey();
        key->setKeyLetter(c.letter);
        key->setCtrl(c.ctrl);
        key->setAlt(c.alt);
        key->setShift(c.shift);
        key->setCommand("notepad.exe");
        list->addOrReplace(key);
    }
    return list;
}

constexpr unsigned kNoRepeat = 0x4000;

// Registrations carry MOD_NOREPEAT unless told otherwise.
HotKeyCall registerCall(Handle hwnd, int id, unsigned modifiers, char letter,
                        unsigned noRepeat = kNoRepeat) {
    return {"RegisterHotKey", hwnd, id, modifiers | noRepeat, static_cast<unsigned>(letter), "", 0};
}

HotKeyCall unregisterCall(Handle hwnd, int id) {
    return {"UnregisterHotKey", hwnd, id, 0, 0, "", 0};
}

HotKeyCall deleteCall(std::uint16_t atom) {
    return {"GlobalDeleteAtom", 0, 0, 0, 0, "", atom};
}

class HotKeyAccessCtrlTest : public ::testing::Test {
protected:
    static constexpr Handle kWindow = 0x3040;

    std::unique_ptr<HotKeyAccessCtrl> make() {
        return std::make_unique<HotKeyAccessCtrl>(kWindow, "Lumaro");
    }
    // The atoms in the order the construction created them.
    std::vector<std::uint16_t> atomsInCreationOrder() const {
        std::vector<std::uint16_t> atoms;
        for (const HotKeyCall& call : api.callsOf("GlobalAddAtomA"))
            atoms.push_back(system.findAtom(call.name));
        return atoms;
    }

    FakeHotKeySystem system;
    FakeHotKeyApi api{system};
    platform::Seam<platform::HotKeyApi>::Scoped scope{api};
};

} // namespace

TEST_F(HotKeyAccessCtrlTest, SlotsAndAtomNamesFollowLetterAndModifiers) {
    struct Case {
        Combination combination;
        int slot;
        const char* name;
    };
    const Case cases[] = {
        {{'A'}, 0, "Lumaro_A"},
        {{'Z'}, 25, "Lumaro_Z"},
        {{'A', true}, 26, "Lumaro_A_ctrl"},
        {{'A', false, true}, 52, "Lumaro_A_alt"},
        {{'C', true, true}, 80, "Lumaro_C_ctrl_alt"},
        {{'A', false, false, true}, 104, "Lumaro_A_shift"},
        {{'B', true, false, true}, 131, "Lumaro_B_ctrl_shift"},
        {{'Q', false, true, true}, 172, "Lumaro_Q_alt_shift"},
        {{'Z', true, true, true}, 207, "Lumaro_Z_ctrl_alt_shift"},
        {{'a'}, 0, "Lumaro_a"},
        {{'z', true, true, true}, 207, "Lumaro_z_ctrl_alt_shift"},
    };
    auto ctrl = make();
    for (const Case& c : cases) {
        const Combination& k = c.combination;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HotKeyAccessCtrl::slotOf(k.letter, k.ctrl, k.alt, k.shift), c.slot);
        EXPECT_EQ(ctrl->atomName(k.letter, k.ctrl, k.alt, k.shift), c.name);
    }
    for (char outside : {'@', '[', '`', '{', '0', '\0', static_cast<char>(0xC1)})
        EXPECT_EQ(HotKeyAccessCtrl::slotOf(outside, true, false, true), -1) << int(outside);
}

TEST_F(HotKeyAccessCtrlTest, ConstructionProbesEachCombinationInVisitingOrder) {
    const unsigned modifiers[] = {0x4008, 0x400C, 0x4009, 0x400D, 0x400A, 0x400E, 0x400B, 0x400F};
    const char* suffixes[] = {"",      "_shift",      "_alt",      "_alt_shift",
                              "_ctrl", "_ctrl_shift", "_ctrl_alt", "_ctrl_alt_shift"};
    auto ctrl = make();
    const std::vector<HotKeyCall>& calls = api.calls();
    ASSERT_EQ(calls.size(), 3u * 208);
    for (int i = 0; i < 208; ++i) {
        char letter = static_cast<char>('A' + i % 26);
        std::string name = std::string("Lumaro_") + letter + suffixes[i / 26];
        SCOPED_TRACE(name);
        std::uint16_t atom = system.findAtom(name);
        EXPECT_EQ(calls[3 * i].function, "GlobalAddAtomA");
        EXPECT_EQ(calls[3 * i].name, name);
        EXPECT_EQ(calls[3 * i + 1], registerCall(kWindow, atom, modifiers[i / 26], letter, 0));
        EXPECT_EQ(calls[3 * i + 2], unregisterCall(kWindow, atom));
    }
    EXPECT_EQ(system.atomCount(), 208u);
    EXPECT_EQ(system.hotKeyCount(), 0u);
    EXPECT_TRUE(ctrl->isUsable('A', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('Z', true, true, true));
    EXPECT_FALSE(ctrl->isRegistered('Z', true, true, true));
    EXPECT_EQ(ctrl->atomOf('Q', false, true, true), system.findAtom("LUMARO_Q_ALT_SHIFT"));
}

TEST_F(HotKeyAccessCtrlTest, CombinationHeldByAnotherProgramIsUnusableAndNeverRegistered) {
    system.holdForAnotherProgram(8, 'E');
    auto ctrl = make();
    EXPECT_FALSE(ctrl->isUsable('E', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('E', true, false, false));
    EXPECT_TRUE(ctrl->isUsable('F', false, false, false));

    // Released later, it stays unusable until the program starts again.
    system.releaseFromAnotherProgram(8, 'E');
    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(listOf({{'E'}, {'F'}}).get()));
    EXPECT_FALSE(ctrl->isRegistered('E', false, false, false));
    EXPECT_FALSE(ctrl->isUsable('E', false, false, false));
    EXPECT_EQ(api.calls(), std::vector<HotKeyCall>{registerCall(
                               kWindow, ctrl->atomOf('F', false, false, false), 8, 'F')});
    EXPECT_EQ(system.ownerOf(8, 'E'), nullptr);
}

TEST_F(HotKeyAccessCtrlTest, SecondInstanceFindsTheFirstInstancesCombinationsUnusable) {
    auto first = make();
    ASSERT_TRUE(first->synchronize(listOf({{'A'}, {'Q', false, true, true}}).get()));
    {
        FakeHotKeyApi secondProcess(system);
        platform::Seam<platform::HotKeyApi>::Scoped secondScope(secondProcess);
        HotKeyAccessCtrl second(0x5060, "Lumaro");
        EXPECT_FALSE(second.isUsable('A', false, false, false));
        EXPECT_FALSE(second.isUsable('Q', false, true, true));
        EXPECT_TRUE(second.isUsable('B', false, false, false));
        EXPECT_TRUE(second.isUsable('A', true, false, false));
        EXPECT_EQ(second.atomOf('A', false, false, false), first->atomOf('A', false, false, false));
        EXPECT_EQ(system.atomReferences(first->atomOf('A', false, false, false)), 2);
    }
    // The second one's end takes neither the first one's hotkeys nor its atoms.
    ASSERT_NE(system.ownerOf(8, 'A'), nullptr);
    EXPECT_EQ(system.ownerOf(8, 'A')->process, api.process());
    EXPECT_EQ(system.atomCount(), 208u);
    first.reset();
    EXPECT_EQ(system.atomCount(), 0u);
    EXPECT_EQ(system.hotKeyCount(), 0u);
}

TEST_F(HotKeyAccessCtrlTest, SynchronizeMakesOnlyTheCallsThatChangeSomething) {
    auto ctrl = make();
    auto atom = [&](char letter, bool ctrlKey, bool alt, bool shift) {
        return ctrl->atomOf(letter, ctrlKey, alt, shift);
    };
    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(listOf({{'Q', false, true, true}, {'A'}}).get()));
    EXPECT_EQ(api.calls(), (std::vector<HotKeyCall>{
                               registerCall(kWindow, atom('A', false, false, false), 8, 'A'),
                               registerCall(kWindow, atom('Q', false, true, true), 13, 'Q')}));
    ASSERT_NE(system.ownerOf(13, 'Q'), nullptr);
    EXPECT_EQ(system.ownerOf(13, 'Q')->id, atom('Q', false, true, true));

    api.clearCalls();
    auto next = listOf({{'Q', false, true, true}, {'B', true}});
    EXPECT_TRUE(ctrl->synchronize(next.get()));
    EXPECT_EQ(api.calls(), (std::vector<HotKeyCall>{
                               unregisterCall(kWindow, atom('A', false, false, false)),
                               registerCall(kWindow, atom('B', true, false, false), 10, 'B')}));

    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(next.get()));
    EXPECT_TRUE(api.calls().empty());
    EXPECT_TRUE(ctrl->isRegistered('Q', false, true, true));
    EXPECT_TRUE(ctrl->isRegistered('b', true, false, false));
}

TEST_F(HotKeyAccessCtrlTest, SynchronizeWithAnEmptyListUnregistersAllAndKeepsUsable) {
    system.holdForAnotherProgram(15, 'X');
    auto ctrl = make();
    ctrl->synchronize(listOf({{'A'}, {'X', true, true, true}, {'M', true, false, true}}).get());
    EXPECT_TRUE(ctrl->isRegistered('M', true, false, true));

    EXPECT_TRUE(ctrl->synchronize(listOf({}).get()));
    EXPECT_EQ(system.ownerOf(8, 'A'), nullptr);
    EXPECT_EQ(system.ownerOf(14, 'M'), nullptr);
    EXPECT_FALSE(ctrl->isRegistered('A', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('A', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('M', true, false, true));
    EXPECT_FALSE(ctrl->isUsable('X', true, true, true));

    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(nullptr));
    EXPECT_TRUE(api.calls().empty());
}

TEST_F(HotKeyAccessCtrlTest, RegisterAndUnregisterCallTheSystemOnlyToChangeState) {
    auto ctrl = make();
    api.clearCalls();
    EXPECT_TRUE(ctrl->unregisterHotKey('B', false, false, false));
    EXPECT_TRUE(ctrl->registerHotKey('A', false, true, false));
    EXPECT_TRUE(ctrl->registerHotKey('A', false, true, false));
    // A lower-case letter is the same combination.
    EXPECT_TRUE(ctrl->isRegistered('a', false, true, false));
    EXPECT_TRUE(ctrl->registerHotKey('a', false, true, false));
    EXPECT_EQ(api.callsOf("RegisterHotKey").size(), 1u);
    EXPECT_TRUE(ctrl->unregisterHotKey('a', false, true, false));
    EXPECT_FALSE(ctrl->isRegistered('A', false, true, false));
    EXPECT_EQ(api.calls().size(), 2u);
    EXPECT_EQ(system.hotKeyCount(), 0u);
}

TEST_F(HotKeyAccessCtrlTest, FailedRegistrationLeavesTheCombinationUnusableForGood) {
    auto ctrl = make();
    system.holdForAnotherProgram(8, 'B');
    EXPECT_FALSE(ctrl->synchronize(listOf({{'A'}, {'B'}}).get()));
    EXPECT_TRUE(ctrl->isRegistered('A', false, false, false));
    EXPECT_FALSE(ctrl->isRegistered('B', false, false, false));
    EXPECT_FALSE(ctrl->isUsable('B', false, false, false));
    EXPECT_EQ(api.GetLastError(), platform::kErrorHotkeyAlreadyRegistered);

    system.releaseFromAnotherProgram(8, 'B');
    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(listOf({{'A'}, {'B'}}).get()));
    EXPECT_TRUE(api.calls().empty());
}

TEST_F(HotKeyAccessCtrlTest, SystemThatRefusesNoRepeatGetsThePlainModifiersFromThenOn) {
    system.refuseNoRepeat();
    auto ctrl = make();
    std::uint16_t a = ctrl->atomOf('A', false, false, false);
    std::vector<HotKeyCall> registrations = api.callsOf("RegisterHotKey");
    ASSERT_EQ(registrations.size(), 209u);
    EXPECT_EQ(registrations[0], registerCall(kWindow, a, 8, 'A'));
    EXPECT_EQ(registrations[1], registerCall(kWindow, a, 8, 'A', 0));
    EXPECT_EQ(registrations[208],
              registerCall(kWindow, ctrl->atomOf('Z', true, true, true), 15, 'Z', 0));
    EXPECT_TRUE(ctrl->isUsable('A', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('Z', true, true, true));

    api.clearCalls();
    EXPECT_TRUE(ctrl->registerHotKey('A', false, false, false));
    EXPECT_EQ(api.calls(), std::vector<HotKeyCall>{registerCall(kWindow, a, 8, 'A', 0)});
}

TEST_F(HotKeyAccessCtrlTest, OnlyAnInvalidParameterMakesTheFlagGo) {
    auto ctrl = make();
    api.failFunction("RegisterHotKey", platform::kErrorHotkeyAlreadyRegistered);
    EXPECT_FALSE(ctrl->registerHotKey('A', false, false, false));
    api.stopFailing();
    api.clearCalls();
    EXPECT_TRUE(ctrl->registerHotKey('B', false, false, false));
    EXPECT_EQ(api.calls(), std::vector<HotKeyCall>{registerCall(
                               kWindow, ctrl->atomOf('B', false, false, false), 8, 'B')});
}

TEST_F(HotKeyAccessCtrlTest, FailedUnregistrationKeepsTheHotKeyAndIsTriedAgain) {
    auto ctrl = make();
    ctrl->synchronize(listOf({{'A'}}).get());
    api.failFunction("UnregisterHotKey");
    EXPECT_FALSE(ctrl->synchronize(listOf({}).get()));
    EXPECT_TRUE(ctrl->isRegistered('A', false, false, false));
    EXPECT_FALSE(ctrl->isUsable('A', false, false, false));
    EXPECT_FALSE(ctrl->unregisterAll());

    api.stopFailing();
    EXPECT_TRUE(ctrl->synchronize(listOf({}).get()));
    EXPECT_FALSE(ctrl->isRegistered('A', false, false, false));
    EXPECT_TRUE(ctrl->isUsable('A', false, false, false));
    EXPECT_EQ(system.hotKeyCount(), 0u);
    EXPECT_TRUE(ctrl->unregisterAll());
}

TEST_F(HotKeyAccessCtrlTest, CombinationWithoutAnAtomIsNeitherProbedNorRegistered) {
    api.failCall(4); // the atom of Windows+B
    auto ctrl = make();
    EXPECT_EQ(ctrl->atomOf('B', false, false, false), 0);
    EXPECT_FALSE(ctrl->isUsable('B', false, false, false));
    EXPECT_EQ(api.callsOf("RegisterHotKey").size(), 207u);
    for (const HotKeyCall& call : api.callsOf("RegisterHotKey"))
        EXPECT_NE(call.id, 0);

    api.clearCalls();
    EXPECT_TRUE(ctrl->synchronize(listOf({{'B'}}).get()));
    EXPECT_TRUE(api.calls().empty());
    ctrl.reset();
    ASSERT_EQ(api.callsOf("GlobalDeleteAtom").size(), 208u);
    EXPECT_EQ(api.callsOf("GlobalDeleteAtom")[1], deleteCall(0));
    EXPECT_EQ(system.atomCount(), 0u);
}

TEST_F(HotKeyAccessCtrlTest, DestructionUnregistersThenDeletesEveryAtomInVisitingOrder) {
    auto ctrl = make();
    std::vector<std::uint16_t> atoms = atomsInCreationOrder();
    ctrl->synchronize(listOf({{'Z', true, true, true}, {'A'}}).get());
    std::vector<HotKeyCall> expected{unregisterCall(kWindow, atoms.front()),
                                     unregisterCall(kWindow, atoms.back())};
    for (std::uint16_t atom : atoms)
        expected.push_back(deleteCall(atom));

    api.clearCalls();
    ctrl.reset();
    EXPECT_EQ(api.calls(), expected);
    EXPECT_EQ(system.atomCount(), 0u);
    EXPECT_EQ(system.hotKeyCount(), 0u);
}

TEST_F(HotKeyAccessCtrlTest, CharactersOutsideTheAlphabetAreIgnored) {
    auto ctrl = make();
    ctrl->synchronize(listOf({{'A'}}).get());
    api.clearCalls();
    for (char outside : {'@', '[', '`', '{', '1'}) {
        SCOPED_TRACE(outside);
        EXPECT_FALSE(ctrl->registerHotKey(outside, false, false, false));
        ctrl->unregisterHotKey(outside, false, false, false);
        EXPECT_FALSE(ctrl->isRegistered(outside, false, false, false));
        EXPECT_FALSE(ctrl->isUsable(outside, false, false, false));
        EXPECT_EQ(ctrl->atomOf(outside, false, false, false), 0);
    }
    EXPECT_TRUE(api.calls().empty());
    EXPECT_TRUE(ctrl->isRegistered('A', false, false, false));
}
