#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class ToolkitApplicationTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Application& app = tk::Application::instance();
};

// Records its creation as the constructor left it, as a form whose layout
// is loaded before its creation event runs.
class LayoutForm : public tk::Form {
public:
    explicit LayoutForm(std::vector<std::string>& log) : Form("LayoutForm") {
        log.push_back("constructed");
        onCreate = [&log, this] { log.push_back("created " + caption()); };
        setCaption("Lumaro");
    }
};

} // namespace

TEST_F(ToolkitApplicationTest, FirstFormCreatedIsTheMainFormAndFormsAreFoundByName) {
    tk::Form& tray = app.createForm<tk::Form>("TrayForm");
    tk::Form& about = app.createForm<tk::Form>("AboutForm");
    EXPECT_EQ(app.mainForm(), &tray);
    EXPECT_EQ(app.forms(), (std::vector<tk::Form*>{&tray, &about}));
    EXPECT_EQ(app.findForm("AboutForm"), &about);
    EXPECT_EQ(app.findForm("Nothing"), nullptr);
}

TEST_F(ToolkitApplicationTest, CreateFormRaisesOnCreateAfterTheConstructor) {
    std::vector<std::string> log;
    app.createForm<LayoutForm>(log);
    EXPECT_EQ(log, (std::vector<std::string>{"constructed", "created Lumaro"}));
}

TEST_F(ToolkitApplicationTest, DestroyFormFreesItsWindowAndForgetsTheMainForm) {
    tk::Form& tray = app.createForm<tk::Form>("TrayForm");
    platform::Handle window = tray.handle();
    app.destroyForm(tray);
    EXPECT_EQ(backend.window(window), nullptr);
    EXPECT_TRUE(app.forms().empty());
    EXPECT_EQ(app.mainForm(), nullptr);
}

TEST_F(ToolkitApplicationTest, ResetFreesOwnedFormsAndTheHiddenWindow) {
    app.setTitle("Lumaro");
    app.initialize();
    app.createForm<tk::Form>("TrayForm").handle();
    ASSERT_EQ(backend.windowCount(), 2u);
    app.reset();
    EXPECT_EQ(backend.windowCount(), 0u);
    EXPECT_TRUE(app.forms().empty());
    EXPECT_EQ(app.title(), "");
}

TEST_F(ToolkitApplicationTest, HiddenWindowCarriesTheTitleAndOwnsEveryForm) {
    app.setTitle("Lumaro");
    app.initialize();
    const tk::HeadlessWindow* owner = backend.window(app.handle());
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner->text(), "Lumaro");
    EXPECT_FALSE(owner->visible());
    app.setTitle("ルマロ");
    EXPECT_EQ(owner->text(), "ルマロ");

    tk::Form& form = app.createForm<tk::Form>("TrayForm");
    EXPECT_EQ(backend.window(form.handle())->owner(), app.handle());
}

TEST_F(ToolkitApplicationTest, RunShowsTheMainFormUnlessSwitchedOff) {
    for (bool showMainForm : {true, false}) {
        app.reset();
        tk::Form& main = app.createForm<tk::Form>("MainForm");
        tk::Form& other = app.createForm<tk::Form>("OtherForm");
        app.setShowMainForm(showMainForm);
        app.run();
        EXPECT_EQ(main.visible(), showMainForm);
        EXPECT_FALSE(other.visible());
        EXPECT_FALSE(app.terminated()) << "nothing was left to do, nothing ended the program";
    }
}

TEST_F(ToolkitApplicationTest, ClosingTheMainFormEndsTheLoop) {
    tk::Form& main = app.createForm<tk::Form>("MainForm");
    app.setShowMainForm(false);
    std::vector<std::string> log;
    main.onClose = [&](tk::CloseAction&) { log.push_back("close"); };
    backend.post([&] { main.close(); });
    backend.post([&] { log.push_back("after"); });
    app.run();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(log, std::vector<std::string>{"close"});
    app.run();
    EXPECT_EQ(log, std::vector<std::string>{"close"}) << "a terminated application runs nothing";
}

TEST_F(ToolkitApplicationTest, ClosingAnotherFormHidesItAndTheLoopGoesOn) {
    app.createForm<tk::Form>("MainForm");
    tk::Form& other = app.createForm<tk::Form>("OtherForm");
    other.show();
    bool after = false;
    backend.post([&] { other.close(); });
    backend.post([&] { after = true; });
    app.setShowMainForm(false);
    app.run();
    EXPECT_FALSE(other.visible());
    EXPECT_FALSE(app.terminated());
    EXPECT_TRUE(after);
}

TEST_F(ToolkitApplicationTest, CloseHandlerCanKeepTheFormOpen) {
    tk::Form& main = app.createForm<tk::Form>("MainForm");
    main.show();
    main.onClose = [](tk::CloseAction& action) { action = tk::CloseAction::None; };
    main.close();
    EXPECT_TRUE(main.visible());
    EXPECT_FALSE(app.terminated());
}

TEST_F(ToolkitApplicationTest, FailingCloseHandlerIsShownAndClosesNothing) {
    app.setTitle("Lumaro");
    tk::Form& main = app.createForm<tk::Form>("MainForm");
    main.onClose = [](tk::CloseAction&) { throw std::runtime_error("busy"); };
    main.close();
    EXPECT_FALSE(app.terminated());
    EXPECT_EQ(backend.errorBoxes(),
              (std::vector<HeadlessTestBackend::ErrorBox>{{"busy", "Lumaro"}}));
}

TEST_F(ToolkitApplicationTest, EscapingExceptionIsShownCaptionedWithTheTitleAndTheLoopGoesOn) {
    app.setTitle("Lumaro");
    std::vector<std::string> log;
    backend.post([&] { throw std::runtime_error("'Count' の設定に失敗しました"); });
    backend.post([&] { throw 42; });
    backend.post([&] { log.push_back("still running"); });
    app.run();
    using Box = HeadlessTestBackend::ErrorBox;
    EXPECT_EQ(backend.errorBoxes(),
              (std::vector<Box>{{"'Count' の設定に失敗しました", "Lumaro"},
                                {"An unexpected error occurred.", "Lumaro"}}));
    EXPECT_EQ(log, std::vector<std::string>{"still running"});
}

TEST_F(ToolkitApplicationTest, ExceptionInCreateHandlerReachesTheCallerAndNoFormIsLeft) {
    struct Failing : tk::Form {
        Failing() : Form("Failing") {
            onCreate = [] { throw std::runtime_error("no icon"); };
        }
    };
    EXPECT_THROW(app.createForm<Failing>(), std::runtime_error);
    EXPECT_EQ(app.mainForm(), nullptr);
    EXPECT_TRUE(app.forms().empty());
    EXPECT_TRUE(backend.errorBoxes().empty());
}

TEST_F(ToolkitApplicationTest, ProcessMessagesDispatchesWhatIsWaitingAndNoticesQuit) {
    std::vector<int> order;
    backend.post([&] { order.push_back(1); });
    backend.post([&] {
        order.push_back(2);
        backend.post([&] { order.push_back(3); });
    });
    app.processMessages();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(app.terminated());

    backend.postQuit();
    app.processMessages();
    EXPECT_TRUE(app.terminated());
}
