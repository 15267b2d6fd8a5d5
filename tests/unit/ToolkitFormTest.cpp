#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Messages.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr unsigned kTrayNotify = tk::msg::kUser + 1;
constexpr unsigned kFailing = tk::msg::kApp + 7;

// Handles its own messages and keeps a log of everything it sees.
class NotifyForm : public tk::Form {
public:
    NotifyForm() : Form("NotifyForm") {}
    std::vector<unsigned> seen;

protected:
    bool beforeToolkit(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t& result) override {
        seen.push_back(msg);
        if (msg == kFailing)
            throw std::runtime_error("handler failed");
        if (msg != kTrayNotify)
            return Form::beforeToolkit(msg, wParam, lParam, result);
        result = static_cast<std::intptr_t>(wParam) + lParam;
        return true;
    }
};

class ToolkitFormTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Application& app = tk::Application::instance();

    const tk::HeadlessWindow& windowOf(tk::Form& form) { return *backend.window(form.handle()); }
};

} // namespace

TEST_F(ToolkitFormTest, WindowIsMadeOnFirstRequestWithThePropertiesSetBefore) {
    tk::Form form("DefineForm");
    form.setCaption("ホットキー定義");
    form.setBounds({10, 20, 585, 448});
    form.setEnabled(false);
    EXPECT_FALSE(form.handleAllocated());
    EXPECT_EQ(backend.windowCount(), 0u);

    platform::Handle handle = form.handle();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(form.handle(), handle);
    const tk::HeadlessWindow& window = windowOf(form);
    EXPECT_EQ(window.form(), &form);
    EXPECT_EQ(window.text(), "ホットキー定義");
    EXPECT_EQ(window.bounds(), (tk::Rect{10, 20, 585, 448}));
    EXPECT_FALSE(window.enabled());
    EXPECT_FALSE(window.visible());
}

TEST_F(ToolkitFormTest, ChangesAfterCreationReachTheWindow) {
    tk::Form form("DefineForm");
    const tk::HeadlessWindow& window = windowOf(form);
    form.setCaption("Lumaro");
    form.setBounds({1, 2, 3, 4});
    form.setEnabled(false);
    EXPECT_EQ(window.text(), "Lumaro");
    EXPECT_EQ(window.bounds(), (tk::Rect{1, 2, 3, 4}));
    EXPECT_FALSE(window.enabled());
    form.show();
    EXPECT_TRUE(window.visible());
    form.hide();
    EXPECT_FALSE(window.visible());
}

TEST_F(ToolkitFormTest, ShowMakesTheWindowRaisesOnShowOnceAndBringsItToFront) {
    tk::Form form("AboutForm");
    int shown = 0;
    form.onShow = [&] { ++shown; };
    form.show();
    EXPECT_EQ(backend.frontWindow(), form.handle());
    tk::Form other("DefineForm");
    other.show();
    form.show();
    EXPECT_EQ(shown, 1);
    ASSERT_TRUE(form.handleAllocated());
    EXPECT_TRUE(windowOf(form).visible());
    EXPECT_EQ(backend.frontWindow(), form.handle());
    form.hide();
    form.show();
    EXPECT_EQ(shown, 2);
}

TEST_F(ToolkitFormTest, DispatchReachesTheRawHookAndReturnsItsResult) {
    NotifyForm form;
    EXPECT_EQ(form.dispatch(kTrayNotify, 100, 0x0204), 100 + 0x0204);
    EXPECT_EQ(form.dispatch(tk::msg::kApp, 5, 6), 0) << "nothing else handles raw messages";
    EXPECT_EQ(form.seen, (std::vector<unsigned>{kTrayNotify, tk::msg::kApp}));
}

TEST_F(ToolkitFormTest, ExceptionInAMessageHandlerIsShownAndLaterMessagesArrive) {
    app.setTitle("Lumaro");
    NotifyForm form;
    EXPECT_EQ(form.dispatch(kFailing), 0);
    EXPECT_EQ(form.dispatch(kTrayNotify, 1, 2), 3);
    EXPECT_EQ(backend.errorBoxes(),
              (std::vector<HeadlessTestBackend::ErrorBox>{{"handler failed", "Lumaro"}}));
}

TEST_F(ToolkitFormTest, PostedMessagesArriveInOrderWhenTheLoopRuns) {
    NotifyForm& form = app.createForm<NotifyForm>();
    app.setShowMainForm(false);
    form.post(kTrayNotify, 0, 0x0200);
    form.post(kFailing);
    form.post(kTrayNotify, 0, 0x0204);
    EXPECT_TRUE(form.seen.empty());
    app.run();
    EXPECT_EQ(form.seen, (std::vector<unsigned>{kTrayNotify, kFailing, kTrayNotify}));
    EXPECT_EQ(backend.errorBoxes().size(), 1u);
}

// Under the guard of a call from the system, a failing event is caught
// once, by that guard, and the form is left as it was.
TEST_F(ToolkitFormTest, FailingShowHandlerIsShownOnceAndShowingAgainWorks) {
    app.setTitle("Lumaro");
    tk::Form form("DefineForm");
    bool fail = true;
    form.onShow = [&] {
        if (fail)
            throw std::runtime_error("no list");
    };
    backend.post([&] { form.show(); });
    app.processMessages();
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(backend.errorBoxes(),
              (std::vector<HeadlessTestBackend::ErrorBox>{{"no list", "Lumaro"}}));
    fail = false;
    form.show();
    EXPECT_TRUE(windowOf(form).visible());
}

TEST_F(ToolkitFormTest, CloseClosesTheFormAndTheMainFormEndsTheProgram) {
    tk::Form& main = app.createForm<tk::Form>("MainForm");
    tk::Form& other = app.createForm<tk::Form>("OtherForm");
    other.show();
    other.close();
    EXPECT_FALSE(other.visible());
    EXPECT_FALSE(app.terminated());
    main.close();
    EXPECT_TRUE(app.terminated());
}

TEST_F(ToolkitFormTest, IconIsRememberedInBothSizesAndReplacedWithoutLeaking) {
    tk::Form form("TrayForm");
    EXPECT_EQ(form.iconHandle(), 0u);
    form.setIcon(1);
    platform::Handle first = form.iconHandle();
    EXPECT_EQ(form.iconResource(), 1);
    EXPECT_EQ(backend.iconResource(first), 1);
    EXPECT_EQ(backend.iconResource(form.largeIconHandle()), 1);
    EXPECT_NE(form.largeIconHandle(), first);
    EXPECT_EQ(windowOf(form).icon(), first);
    EXPECT_EQ(windowOf(form).largeIcon(), form.largeIconHandle());

    form.setIcon(2);
    EXPECT_EQ(windowOf(form).icon(), form.iconHandle());
    EXPECT_EQ(windowOf(form).largeIcon(), form.largeIconHandle());
    EXPECT_EQ(backend.iconResource(first), 0) << "the replaced icon is freed";
    EXPECT_EQ(backend.iconCount(), 2u);
}

TEST_F(ToolkitFormTest, DestroyingAFormFreesItsWindowAndIcon) {
    {
        tk::Form form("AboutForm");
        form.setIcon(1);
        form.handle();
        EXPECT_EQ(app.findForm("AboutForm"), &form);
    }
    EXPECT_EQ(app.findForm("AboutForm"), nullptr);
    EXPECT_EQ(backend.iconCount(), 0u);
    EXPECT_EQ(backend.windowCount(), 1u) << "only the application's window is left";
}

TEST_F(ToolkitFormTest, MessagesToAFreedFormAreDropped) {
    NotifyForm* form = new NotifyForm;
    form->post(kTrayNotify);
    delete form;
    app.processMessages();
    EXPECT_TRUE(backend.errorBoxes().empty());
    EXPECT_EQ(backend.pending(), 0u);
}
