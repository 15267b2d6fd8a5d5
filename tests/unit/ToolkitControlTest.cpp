#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The least a control needs: a window of its own, made like a form's.
class Plain : public tk::Control {
public:
    using Control::Control;
    int windowsMade = 0;

protected:
    std::unique_ptr<tk::WindowPeer> createPeer() override {
        ++windowsMade;
        return tk::backend().createFormWindow(*owner, 0);
    }

public:
    tk::Form* owner = nullptr;
};

class ToolkitControlTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Form form{"DefineForm"};
};

} // namespace

TEST_F(ToolkitControlTest, ChildrenJoinTheirParentAndLeaveItWhenFreed) {
    Plain panel("Panel1", &form);
    auto edit = std::make_unique<Plain>("KeyEditA", &panel);
    EXPECT_EQ(panel.parent(), &form);
    EXPECT_EQ(form.children(), std::vector<tk::Control*>{&panel});
    EXPECT_EQ(panel.children(), std::vector<tk::Control*>{edit.get()});
    EXPECT_EQ(form.find("KeyEditA"), edit.get());
    EXPECT_EQ(form.find("DefineForm"), &form);
    EXPECT_EQ(form.find("KeyEditB"), nullptr);
    edit.reset();
    EXPECT_TRUE(panel.children().empty());
}

TEST_F(ToolkitControlTest, ChildOutlivingItsParentForgetsIt) {
    auto panel = std::make_unique<Plain>("Panel1", &form);
    Plain edit("KeyEditA", panel.get());
    panel.reset();
    EXPECT_EQ(edit.parent(), nullptr);
}

TEST_F(ToolkitControlTest, PropertiesHoldWithoutAWindowAndTheWindowIsMadeOnce) {
    Plain edit("KeyEditA", &form);
    edit.owner = &form;
    EXPECT_TRUE(edit.enabled());
    EXPECT_FALSE(edit.visible());
    edit.setVisible(true);
    edit.setEnabled(false);
    edit.setBounds({8, 4, 281, 29});
    EXPECT_EQ(edit.windowsMade, 0);
    platform::Handle handle = edit.handle();
    edit.handle();
    EXPECT_EQ(edit.windowsMade, 1);
    const tk::HeadlessWindow* window = backend.window(handle);
    EXPECT_TRUE(window->visible());
    EXPECT_FALSE(window->enabled());
    edit.setVisible(false);
    EXPECT_FALSE(window->visible());
}
