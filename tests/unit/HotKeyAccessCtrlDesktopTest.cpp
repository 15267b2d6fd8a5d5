#include "app/HotKeyAccessCtrl.h"
#include "fakes/HotKeyBackends.h"
#include "model/HotKeyList.h"
#include "platform/HotKeyApi.h"

#include <gtest/gtest.h>

#include <memory>

// HotKeyAccessCtrl on each desktop the contract runs on, so that what it
// concludes from the system's answers is proven against the real functions.
namespace {

using namespace platform;

std::unique_ptr<HotKeyList> listOf(const std::string& letters) {
    auto list = std::make_unique<HotKeyList>();
    for (char letter : letters) {
        auto* key = new HotKey();
        key->setKeyLetter(letter);
        key->setCommand("notepad.exe");
        list->addOrReplace(key);
    }
    return list;
}

class HotKeyAccessCtrlOnDesktop : public ::testing::TestWithParam<HotKeyBackend> {
protected:
    void SetUp() override {
        desktop = GetParam().make();
        scope = std::make_unique<platform::Seam<platform::HotKeyApi>::Scoped>(desktop->api());
    }
    void TearDown() override { scope.reset(); }

    std::shared_ptr<HotKeyDesktop> desktop;
    std::unique_ptr<platform::Seam<platform::HotKeyApi>::Scoped> scope;
};

int usableCount(const HotKeyAccessCtrl& ctrl) {
    int count = 0;
    for (int mods = 0; mods < 8; ++mods)
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            count += ctrl.isUsable(letter, mods & 1, mods & 2, mods & 4);
    return count;
}

} // namespace

TEST_P(HotKeyAccessCtrlOnDesktop, ProbeFindsWhatAnotherProgramHolds) {
    ASSERT_TRUE(desktop->holdElsewhere({{kModWin, 'E'}, {kModWin | kModAlt | kModShift, 'Q'}}, {}));
    HotKeyAccessCtrl ctrl(desktop->window(), "LumaroDesktopTest");
    EXPECT_FALSE(ctrl.isUsable('E', false, false, false));
    EXPECT_FALSE(ctrl.isUsable('Q', false, true, true));
    EXPECT_EQ(usableCount(ctrl), 206);

    EXPECT_TRUE(ctrl.synchronize(listOf("EF").get()));
    EXPECT_FALSE(ctrl.isRegistered('E', false, false, false));
    EXPECT_TRUE(ctrl.isRegistered('F', false, false, false));
    EXPECT_FALSE(desktop->api().RegisterHotKey(desktop->window(), 1, kModWin, 'F'));
}

TEST_P(HotKeyAccessCtrlOnDesktop, SecondInstanceFindsTheFirstOnesHotKeysTakenAndFreesOnlyItsOwn) {
    auto first = std::make_unique<HotKeyAccessCtrl>(desktop->window(), "LumaroDesktopTest");
    ASSERT_TRUE(first->synchronize(listOf("AZ").get()));
    std::uint16_t atomA = first->atomOf('A', false, false, false);
    {
        HotKeyAccessCtrl second(desktop->window(), "LumaroDesktopTest");
        EXPECT_EQ(second.atomOf('A', false, false, false), atomA);
        EXPECT_FALSE(second.isUsable('A', false, false, false));
        EXPECT_FALSE(second.isUsable('Z', false, false, false));
        EXPECT_EQ(usableCount(second), 206);
    }
    EXPECT_TRUE(first->isRegistered('A', false, false, false));
    EXPECT_FALSE(desktop->api().RegisterHotKey(desktop->window(), 1, kModWin, 'A'));
    first.reset();
    EXPECT_TRUE(desktop->api().RegisterHotKey(desktop->window(), 1, kModWin, 'A'));
    EXPECT_TRUE(desktop->api().UnregisterHotKey(desktop->window(), 1));
    EXPECT_EQ(desktop->api().GlobalDeleteAtom(atomA), atomA); // released with the last owner
}

INSTANTIATE_TEST_SUITE_P(Backends, HotKeyAccessCtrlOnDesktop, ::testing::ValuesIn(hotKeyBackends()),
                         backendName);
