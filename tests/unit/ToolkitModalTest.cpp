#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Dialog : public tk::Form {
public:
    Dialog() : Form("Dialog") {
        cancel.setCancel(true);
        ok.onClick = [this] { setModalResult(tk::ModalResult::Ok); };
        cancel.onClick = [this] { setModalResult(tk::ModalResult::Cancel); };
    }
    tk::Button ok{"OKButton", *this};
    tk::Button cancel{"CancelButton", *this};
};

class ToolkitModalTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Application& app = tk::Application::instance();
    tk::Form& main = app.createForm<tk::Form>("Main");
    Dialog& dialog = app.createForm<Dialog>();
};

} // namespace

TEST_F(ToolkitModalTest, DriverPlaysTheUserWhileTheOtherFormsAreDisabled) {
    main.show();
    tk::Form& hidden = app.createForm<tk::Form>("Hidden");
    bool mainEnabled = true, hiddenEnabled = false, shown = false;
    backend.setModalDriver([&](tk::Form& form) {
        EXPECT_EQ(&form, &dialog);
        EXPECT_TRUE(dialog.modal());
        shown = dialog.visible();
        mainEnabled = main.enabled();
        hiddenEnabled = hidden.enabled();
        dialog.ok.click();
    });
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Ok);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(hiddenEnabled) << "only visible forms are disabled";
    EXPECT_TRUE(main.enabled());
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
    EXPECT_EQ(backend.frontWindow(), main.handle()) << "the previous window is active again";
}

TEST_F(ToolkitModalTest, EscapeAndTheCloseBoxCountAsCancel) {
    backend.setModalDriver([](tk::Form& form) { form.keyDown(tk::Key::Escape); });
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    backend.setModalDriver([](tk::Form& form) { form.close(); });
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    EXPECT_FALSE(app.terminated()) << "closing a modal form ends only the form";
}

TEST_F(ToolkitModalTest, DialogLeftOpenByTheDriverIsClosed) {
    backend.setModalDriver([](tk::Form&) {});
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    backend.setModalDriver({});
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    EXPECT_EQ(backend.modalsShown(), (std::vector<std::string>{"Dialog", "Dialog"}));
}

TEST_F(ToolkitModalTest, ShowEventComesOnEveryShowingAndTheResultIsResetEachTime) {
    int shows = 0;
    std::vector<tk::ModalResult> atShow;
    dialog.onShow = [&] {
        ++shows;
        atShow.push_back(dialog.modalResult());
    };
    backend.setModalDriver([](tk::Form& form) { form.findAs<tk::Button>("OKButton")->click(); });
    dialog.showModal();
    dialog.showModal();
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(atShow, (std::vector<tk::ModalResult>{tk::ModalResult::None, tk::ModalResult::None}));
}

TEST_F(ToolkitModalTest, FailingDriverIsShownAndTheFormStillEnds) {
    main.show();
    backend.setModalDriver([](tk::Form&) { throw std::runtime_error("user failed"); });
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    EXPECT_EQ(backend.errorBoxes().size(), 1u);
    EXPECT_TRUE(main.enabled());
}

TEST_F(ToolkitModalTest, QuitDuringTheModalLoopEndsItAndReachesTheOuterLoop) {
    backend.setModalDriver([&](tk::Form&) { app.terminate(); });
    EXPECT_EQ(dialog.showModal(), tk::ModalResult::Cancel);
    app.setShowMainForm(false);
    app.run();
    EXPECT_TRUE(app.terminated());
}

TEST_F(ToolkitModalTest, VisibleFormCannotBeShownModally) {
    dialog.show();
    EXPECT_THROW(dialog.showModal(), std::logic_error);
}
