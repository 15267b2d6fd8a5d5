#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ScopedBackend.h"
#include "toolkit/UpDown.h"

#include <gtest/gtest.h>

namespace {

// A form like the layouts: controls on panels, tab orders that differ from
// the order of creation.
class ToolkitKeysTest : public ::testing::Test {
protected:
    ToolkitKeysTest() {
        top.setTabOrder(1);
        bottom.setTabOrder(0);
        second.setTabOrder(1);
        first.setTabOrder(0);
        ok.setTabOrder(2);
        cancel.setTabOrder(3);
        cancel.setCancel(true);
        ok.onClick = [this] { pressed.push_back("ok"); };
        cancel.onClick = [this] { pressed.push_back("cancel"); };
        form.show();
    }

    std::vector<std::string> tabNames() {
        std::vector<std::string> names;
        for (tk::Control* control : form.tabList())
            names.push_back(control->name());
        return names;
    }
    std::string focusName() { return form.focusedControl() ? form.focusedControl()->name() : ""; }

    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Form form{"Form"};
    tk::Panel top{"Top", form};
    tk::Edit second{"Second", top};
    tk::Edit first{"First", top};
    tk::Panel bottom{"Bottom", form};
    tk::Button ok{"Ok", bottom};
    tk::Button cancel{"Cancel", bottom};
    std::vector<std::string> pressed;
};

} // namespace

TEST_F(ToolkitKeysTest, TabFollowsTheTabOrderInsideEachContainerAndWrapsAround) {
    EXPECT_EQ(tabNames(), (std::vector<std::string>{"Ok", "Cancel", "First", "Second"}));
    EXPECT_EQ(focusName(), "Ok") << "shown with the focus on its first tab stop";
    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        form.keyDown(tk::Key::Tab);
        visited.push_back(focusName());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Cancel", "First", "Second", "Ok", "Cancel"}));
    form.keyDown(tk::Key::Tab, true);
    form.keyDown(tk::Key::Tab, true);
    EXPECT_EQ(focusName(), "Second");
}

TEST_F(ToolkitKeysTest, TabSkipsWhatIsNoTabStopOrCannotBeReached) {
    first.setTabStop(false);
    cancel.setEnabled(false);
    EXPECT_EQ(tabNames(), (std::vector<std::string>{"Ok", "Second"}));
    top.setEnabled(false);
    EXPECT_EQ(tabNames(), (std::vector<std::string>{"Ok"}));
    second.setFocus();
    EXPECT_EQ(focusName(), "Ok") << "a control in a disabled panel cannot take the focus";
}

TEST_F(ToolkitKeysTest, OnlyTheCheckedRadioButtonOfAGroupIsATabStop) {
    tk::Panel group{"Group", form};
    tk::RadioButton a{"A", group}, b{"B", group};
    tk::RadioGroup items{"Items", form};
    items.setItems({"x", "y"});
    std::vector<std::string> names = tabNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "A"), names.end()) << "none checked: first";
    EXPECT_NE(std::find(names.begin(), names.end(), "Items.Item0"), names.end());
    b.setChecked(true);
    items.setItemIndex(1);
    names = tabNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "A"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "B"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Items.Item1"), 1);
}

TEST_F(ToolkitKeysTest, ArrowsMoveThroughARadioGroupAndCheckWhatTheyReach) {
    tk::RadioGroup items{"Items", form};
    items.setItems({"x", "y", "z"});
    items.setItemIndex(0);
    items.button(0)->setFocus();
    form.keyDown(tk::Key::Down);
    EXPECT_EQ(items.itemIndex(), 1);
    EXPECT_EQ(focusName(), "Items.Item1");
    form.keyDown(tk::Key::Up);
    form.keyDown(tk::Key::Up);
    EXPECT_EQ(items.itemIndex(), 2) << "wraps around";
}

TEST_F(ToolkitKeysTest, EnterGoesToTheEditThenAFocusedButtonThenTheDefaultButton) {
    std::vector<char32_t> seen;
    first.onKeyPress = [&](char32_t& key) { seen.push_back(key); };
    first.setFocus();
    EXPECT_TRUE(form.keyDown(tk::Key::Enter));
    EXPECT_TRUE(pressed.empty()) << "no default button: nothing";
    ok.setDefault(true);
    form.keyDown(tk::Key::Enter);
    EXPECT_EQ(pressed, std::vector<std::string>{"ok"});
    first.onKeyPress = [&](char32_t& key) { key = 0; };
    form.keyDown(tk::Key::Enter);
    EXPECT_EQ(pressed.size(), 1u) << "swallowed by the edit";
    cancel.setFocus();
    form.keyDown(tk::Key::Enter);
    form.keyDown(tk::Key::Space);
    EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel", "cancel"}));
    EXPECT_EQ(seen, (std::vector<char32_t>{13, 13}));
    EXPECT_EQ(first.text(), "") << "Enter is never typed";
}

TEST_F(ToolkitKeysTest, ARepeatedEnterOrSpaceReachesTheEditButNeverAButton) {
    std::vector<char32_t> seen;
    first.onKeyPress = [&](char32_t& key) { seen.push_back(key); };
    ok.setDefault(true);
    first.setFocus();
    EXPECT_TRUE(form.keyRepeated(tk::Key::Enter)) << "never typed either";
    EXPECT_FALSE(form.keyRepeated(tk::Key::Space)) << "typed by the edit's window";
    ok.setFocus();
    EXPECT_TRUE(form.keyRepeated(tk::Key::Enter));
    EXPECT_TRUE(form.keyRepeated(tk::Key::Space));
    EXPECT_TRUE(pressed.empty());
    EXPECT_EQ(seen, std::vector<char32_t>{13});
    form.keyRepeated(tk::Key::Tab);
    EXPECT_EQ(focusName(), "Cancel") << "other keys repeat as pressed";
}

TEST_F(ToolkitKeysTest, EscapePressesTheCancelButtonFromAnywhere) {
    first.setFocus();
    EXPECT_TRUE(form.keyDown(tk::Key::Escape));
    EXPECT_EQ(pressed, std::vector<std::string>{"cancel"});
    cancel.setCancel(false);
    EXPECT_FALSE(form.keyDown(tk::Key::Escape)) << "left to the control";
}

TEST_F(ToolkitKeysTest, UpAndDownStepTheUpDownAttachedToTheFocusedEdit) {
    tk::UpDown upDown{"UpDown", top};
    upDown.setRange(10, 31);
    upDown.setAssociate(&second);
    second.setFocus();
    EXPECT_TRUE(form.keyDown(tk::Key::Up));
    EXPECT_TRUE(form.keyDown(tk::Key::Up));
    EXPECT_TRUE(form.keyDown(tk::Key::Down));
    EXPECT_EQ(second.text(), "11");
    first.setFocus();
    EXPECT_FALSE(form.keyDown(tk::Key::Up)) << "left to the edit";
    EXPECT_FALSE(form.keyDown(tk::Key::Left));
}

TEST_F(ToolkitKeysTest, FocusedControlGoingAwayLeavesNoFocus) {
    auto edit = std::make_unique<tk::Edit>("Temporary", top);
    edit->setFocus();
    EXPECT_EQ(focusName(), "Temporary");
    edit.reset();
    EXPECT_EQ(form.focusedControl(), nullptr);
    form.keyDown(tk::Key::Tab);
    EXPECT_EQ(focusName(), "Ok");
}
