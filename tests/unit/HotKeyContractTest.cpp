#include "fakes/HotKeyBackends.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

// What the program relies on of global hotkeys and atoms, run against the
// fake and, in the Windows build, against the real functions with a helper
// process as the other program: the fake must not drift.
namespace {

using namespace platform;

constexpr unsigned kAllFour = kModWin | kModControl | kModAlt | kModShift;

// Real atoms outlive a run that failed half-way: every run names its own.
std::string atomNameOfThisRun(const std::string& stem) {
    static const std::string run = std::to_string(std::random_device{}());
    return "LumaroContract_" + run + "_" + stem;
}

struct Outcome {
    bool ok;
    Dword error;
};

class HotKeyContract : public ::testing::TestWithParam<HotKeyBackend> {
protected:
    void SetUp() override { desktop = GetParam().make(); }

    HotKeyApi& api() { return desktop->api(); }
    // The error is read at once, before anything else can overwrite it.
    Outcome registerHotKey(int id, unsigned modifiers, char vk) {
        bool ok = api().RegisterHotKey(desktop->window(), id, modifiers, vk);
        return {ok, ok ? 0 : api().GetLastError()};
    }
    Outcome unregisterHotKey(int id) {
        bool ok = api().UnregisterHotKey(desktop->window(), id);
        return {ok, ok ? 0 : api().GetLastError()};
    }

    std::shared_ptr<HotKeyDesktop> desktop;
};

::testing::AssertionResult succeeded(Outcome outcome) {
    if (outcome.ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "failed with error " << outcome.error;
}

::testing::AssertionResult failedWith(Outcome outcome, Dword error) {
    if (outcome.ok)
        return ::testing::AssertionFailure() << "succeeded";
    if (outcome.error != error)
        return ::testing::AssertionFailure() << "failed with error " << outcome.error;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_P(HotKeyContract, ACombinationTakenUnderAnotherIdFailsWith1409) {
    EXPECT_TRUE(succeeded(registerHotKey(1, kAllFour, 'Q')));
    EXPECT_TRUE(failedWith(registerHotKey(2, kAllFour, 'Q'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(
        failedWith(registerHotKey(2, kAllFour | kModNoRepeat, 'Q'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(succeeded(registerHotKey(2, kAllFour & ~kModShift, 'Q')));
    EXPECT_TRUE(succeeded(unregisterHotKey(1)));
    EXPECT_TRUE(succeeded(unregisterHotKey(2)));
}

TEST_P(HotKeyContract, RegisteringAnIdAgainReplacesItsCombination) {
    EXPECT_TRUE(succeeded(registerHotKey(1, kAllFour, 'Q')));
    EXPECT_TRUE(failedWith(registerHotKey(1, kAllFour, 'Q'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(succeeded(registerHotKey(1, kAllFour, 'R')));
    EXPECT_TRUE(succeeded(registerHotKey(2, kAllFour, 'Q')));
    EXPECT_TRUE(succeeded(unregisterHotKey(1)));
    EXPECT_TRUE(failedWith(unregisterHotKey(1), kErrorHotkeyNotRegistered));
    EXPECT_TRUE(succeeded(registerHotKey(3, kAllFour, 'R')));
    EXPECT_TRUE(succeeded(unregisterHotKey(2)));
    EXPECT_TRUE(succeeded(unregisterHotKey(3)));
}

TEST_P(HotKeyContract, UnregisteringAnIdNotRegisteredFailsWith1419) {
    EXPECT_TRUE(failedWith(unregisterHotKey(7), kErrorHotkeyNotRegistered));
    EXPECT_TRUE(succeeded(registerHotKey(7, kAllFour, 'U')));
    EXPECT_TRUE(succeeded(unregisterHotKey(7)));
    EXPECT_TRUE(failedWith(unregisterHotKey(7), kErrorHotkeyNotRegistered));
}

TEST_P(HotKeyContract, AtomsOfOneNameShareOneValueWithoutRegardToCase) {
    std::string name = atomNameOfThisRun("Shared");
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::uint16_t first = api().GlobalAddAtomA(name.c_str());
    std::uint16_t second = api().GlobalAddAtomA(upper.c_str());
    std::uint16_t other = api().GlobalAddAtomA(atomNameOfThisRun("Other").c_str());
    EXPECT_GE(first, 0xC000);
    EXPECT_EQ(second, first);
    EXPECT_GE(other, 0xC000);
    EXPECT_NE(other, first);
    EXPECT_EQ(api().GlobalDeleteAtom(first), 0);
    EXPECT_EQ(api().GlobalDeleteAtom(first), 0);
    EXPECT_EQ(api().GlobalDeleteAtom(other), 0);
}

TEST_P(HotKeyContract, AnAtomLivesUntilEveryAddIsDeleted) {
    std::string name = atomNameOfThisRun("Counted");
    std::uint16_t atom = api().GlobalAddAtomA(name.c_str());
    ASSERT_NE(atom, 0);
    ASSERT_EQ(api().GlobalAddAtomA(name.c_str()), atom);
    EXPECT_EQ(api().GlobalDeleteAtom(atom), 0);
    EXPECT_EQ(api().GlobalDeleteAtom(atom), 0);
    EXPECT_EQ(api().GlobalDeleteAtom(atom), atom); // gone: a failure gives the atom back
    EXPECT_EQ(api().GlobalDeleteAtom(0), 0);       // atom 0 is not an error
}

TEST_P(HotKeyContract, AtomNamesMustBeOneTo255Characters) {
    EXPECT_EQ(api().GlobalAddAtomA(nullptr), 0);
    EXPECT_EQ(api().GlobalAddAtomA(""), 0);
    std::string longest = atomNameOfThisRun("");
    longest.resize(255, 'x');
    EXPECT_EQ(api().GlobalAddAtomA((longest + "x").c_str()), 0);
    std::uint16_t atom = api().GlobalAddAtomA(longest.c_str());
    EXPECT_NE(atom, 0);
    EXPECT_EQ(api().GlobalDeleteAtom(atom), 0);
}

TEST_P(HotKeyContract, AnotherProcessHoldsItsHotKeysAndSharesAtoms) {
    std::string name = atomNameOfThisRun("Elsewhere");
    std::uint16_t mine = api().GlobalAddAtomA(name.c_str());
    auto theirs = desktop->holdElsewhere({{kAllFour, 'S'}, {kModWin, 'T'}}, {name});
    ASSERT_TRUE(theirs.has_value());
    ASSERT_EQ(theirs->size(), 1u);
    EXPECT_EQ(theirs->front(), mine);
    EXPECT_TRUE(failedWith(registerHotKey(1, kAllFour, 'S'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(failedWith(registerHotKey(1, kModWin, 'T'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(
        failedWith(registerHotKey(1, kModWin | kModNoRepeat, 'T'), kErrorHotkeyAlreadyRegistered));
    EXPECT_TRUE(failedWith(unregisterHotKey(1), kErrorHotkeyNotRegistered));

    desktop->releaseElsewhere();
    EXPECT_TRUE(succeeded(registerHotKey(1, kAllFour, 'S')));
    EXPECT_TRUE(succeeded(unregisterHotKey(1)));
    EXPECT_EQ(api().GlobalDeleteAtom(mine), 0);
    EXPECT_EQ(api().GlobalDeleteAtom(mine), mine);
}

TEST_P(HotKeyContract, ACombinationHeldWithoutRepeatStillBlocksAnotherProcess) {
    ASSERT_TRUE(succeeded(registerHotKey(1, kModWin | kModShift | kModNoRepeat, 'V')));
    EXPECT_FALSE(desktop->holdElsewhere({{kModWin | kModShift, 'V'}}, {}).has_value());
    desktop->releaseElsewhere();
    EXPECT_TRUE(succeeded(unregisterHotKey(1)));
    auto theirs = desktop->holdElsewhere({{kModWin | kModShift, 'V'}}, {});
    EXPECT_TRUE(theirs.has_value());
    desktop->releaseElsewhere();
}

INSTANTIATE_TEST_SUITE_P(Backends, HotKeyContract, ::testing::ValuesIn(hotKeyBackends()),
                         backendName);
