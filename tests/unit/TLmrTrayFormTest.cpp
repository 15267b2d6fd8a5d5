#include "ui/TLmrTrayForm.h"
#include "StoredDefinitions.h"
#include "app/HotKeyAccessCtrl.h"
#include "app/Lumaro.h"
#include "fakes/FakeSystem.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
#include "ui/LmrTrayWindow.h"
#include "ui/TLmrDefForm.h"

#include <gtest/gtest.h>

namespace {

constexpr std::intptr_t kRButtonDown = 0x0204, kRButtonUp = 0x0205, kLButtonDown = 0x0201,
                        kLButtonDblClk = 0x0203;

std::intptr_t hotKeyParam(unsigned modifiers, unsigned vk) {
    return static_cast<std::intptr_t>((vk << 16) | modifiers);
}

class TrayFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        stored::storeItem(os.registry, 0, "A", false, "a.exe");
        stored::storeItem(os.registry, 1, "B", true, "b.exe");
        stored::storeCount(os.registry, 2);
        os.gui.setMenuDriver([this](const tk::PopupMenu& menu) {
            menusSeen.push_back(menu.name());
            foregroundAtMenu = os.gui.foregroundWindow();
            return choice;
        });
        controller = std::make_unique<Lumaro>(controller);
        form = controller->trayWindow()->form();
    }

    std::vector<std::string> menusSeen;
    platform::Handle foregroundAtMenu = 0;
    std::string choice;
    FakeSystem os;
    std::unique_ptr<Lumaro> controller;
    TLmrTrayForm* form = nullptr;
};

} // namespace

TEST_F(TrayFormTest, HotKeyMessagesAreDecodedFromLParamAndNeedTheWindowsKey) {
    form->dispatch(platform::kWmHotKey, 0xC001, hotKeyParam(8, 'A'));
    form->dispatch(platform::kWmHotKey, 0xC001, hotKeyParam(8 | 2, 'B'));
    form->dispatch(platform::kWmHotKey, 0xC001, hotKeyParam(2, 'B'));
    form->dispatch(platform::kWmHotKey, 0, hotKeyParam(0, 'A'));
    form->dispatch(platform::kWmHotKey, 0, hotKeyParam(8 | 1, 'A'));
    ASSERT_EQ(os.shell.launches().size(), 2u);
    EXPECT_EQ(os.shell.launches()[0].file, "a.exe");
    EXPECT_EQ(os.shell.launches()[1].file, "b.exe");
}

TEST_F(TrayFormTest, ARightPressPopsTheMenuUpAtTheCursorAfterTakingTheForeground) {
    os.monitors.setCursorPos(1014, 758);
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonUp);
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kLButtonDown);
    EXPECT_TRUE(os.gui.menusShown().empty());
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    ASSERT_EQ(os.gui.menusShown().size(), 1u);
    EXPECT_EQ(os.gui.menusShown()[0].x, 1014);
    EXPECT_EQ(os.gui.menusShown()[0].y, 758);
    EXPECT_EQ(foregroundAtMenu, form->handle()) << "in the foreground before the menu";
    std::vector<std::string> captions;
    for (const auto& item : form->MainPopupMenu.items())
        captions.push_back(item->caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"Define ...", "Help (html) ...", "About ...", "-",
                                                  "Exit"}));
}

// From the keyboard the shell reports a right press while the pointer may be
// anywhere: the menu opens at the icon. Left without a choice, it gives the
// keyboard back to the notification area; a choice does not, nor a menu the
// mouse opened (its user clicked elsewhere, where the focus stays).
TEST_F(TrayFormTest, AMenuOpenedAwayFromTheIconOpensAtItAndEscapeReturnsToTheTray) {
    os.monitors.setCursorPos(100, 200);
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    ASSERT_EQ(os.gui.menusShown().size(), 1u);
    EXPECT_EQ(os.gui.menusShown()[0].x, 1014);
    EXPECT_EQ(os.gui.menusShown()[0].y, 758);
    EXPECT_TRUE(os.shell.notificationAreaFocused());

    os.shell.takeFocus();
    choice = "AboutMenuItem";
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    EXPECT_FALSE(os.shell.notificationAreaFocused());

    choice.clear();
    os.monitors.setCursorPos(1010, 760);
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    EXPECT_FALSE(os.shell.notificationAreaFocused()) << "opened by the mouse";

    os.monitors.setCursorPos(100, 200);
    os.shell.failFunction("Shell_NotifyIconGetRect");
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    EXPECT_EQ(os.gui.menusShown().back().x, 100) << "where the shell cannot tell: the pointer";
    EXPECT_EQ(os.gui.menusShown().back().y, 200);
    EXPECT_FALSE(os.shell.notificationAreaFocused());
}

TEST_F(TrayFormTest, ADoubleClickAndDefineShowTheDefinitionWindow) {
    TLmrDefForm* defForm = controller->displayer()->form();
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kLButtonDblClk);
    EXPECT_TRUE(defForm->visible());
    defForm->hide();
    choice = "DefineMenuItem";
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    EXPECT_TRUE(defForm->visible());
}

TEST_F(TrayFormTest, HelpOpensThePageRelativeToTheCurrentFolder) {
    choice = "HelpMenuItem";
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    ASSERT_EQ(os.shell.launches().size(), 1u);
    const FakeShell::Launch& help = os.shell.launches()[0];
    EXPECT_EQ(help.hwnd, form->handle());
    EXPECT_EQ(help.verb, "Open");
    EXPECT_EQ(help.file, "Lumaro.html");
    EXPECT_EQ(help.params, std::nullopt);
    EXPECT_EQ(help.dir, std::nullopt);
    EXPECT_EQ(help.show, 5);
}

TEST_F(TrayFormTest, TaskbarCreatedAddsTheIconAgainWithoutDeletingIt) {
    unsigned taskbarCreated = os.shell.RegisterWindowMessageA("TaskbarCreated");
    EXPECT_EQ(form->taskbarCreated(), taskbarCreated);
    os.shell.removeAllIcons();
    os.shell.clearCalls();
    EXPECT_EQ(form->dispatch(taskbarCreated), 0);
    EXPECT_EQ(os.shell.calls(), std::vector<std::string>{"Shell_NotifyIconA"});
    EXPECT_NE(os.shell.icon(form->handle(), 100), nullptr);
}

TEST_F(TrayFormTest, ExitAfterTheShellLostTheIconStillEndsTheProgram) {
    os.shell.removeAllIcons();
    choice = "ExitMenuItem";
    form->dispatch(TLmrTrayForm::kTrayCallbackMessage, 100, kRButtonDown);
    EXPECT_EQ(os.process.exitCode(), std::optional<unsigned>(0));
    EXPECT_EQ(os.desktop.hotKeyCount(), 0u);
    controller = nullptr;
}

// A polite kill closes the hidden application window too: the program ends
// as when its main form closes, and the controller stays as it was.
TEST_F(TrayFormTest, ClosingTheApplicationWindowRemovesTheIconAndEndsTheLoop) {
    tk::Application& app = tk::Application::instance();
    app.handle();
    app.close();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(os.shell.icon(form->handle(), 100), nullptr);
    EXPECT_EQ(controller->trayWindow()->form(), form);
    EXPECT_GT(os.desktop.hotKeyCount(), 0u) << "nothing unregistered";
    EXPECT_EQ(os.process.exitCode(), std::nullopt);
}
