#include "app/Lumaro.h"
#include "StoredDefinitions.h"
#include "app/HotKeyAccessCtrl.h"
#include "fakes/FakeSystem.h"
#include "model/ERegistryException.h"
#include "model/HotKeyList.h"
#include "toolkit/Application.h"
#include "ui/LmrAboutBox.h"
#include "ui/LmrDisplayer.h"
#include "ui/LmrTrayWindow.h"
#include "ui/TLmrAboutBoxForm.h"
#include "ui/TLmrDefForm.h"
#include "ui/TLmrDefParamsForm.h"
#include "ui/TLmrTrayForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using stored::kListKey;
constexpr unsigned kWin = 8, kCtrl = 2;

std::string item(int i) {
    return stored::itemKey(i);
}

class LumaroTest : public ::testing::Test {
protected:
    FakeSystem os;
    tk::Application& app = tk::Application::instance();

    void store(int i, const std::string& letter, bool ctrl, const std::string& command,
               std::uint32_t extra = 0) {
        stored::storeItem(os.registry, i, letter, ctrl, command, extra);
        stored::storeCount(os.registry, i + 1);
    }

    // The controller as the entry point makes it, which "Exit" lets go.
    Lumaro* start() {
        controller = std::make_unique<Lumaro>(controller);
        return controller.get();
    }

    void exitFromMenu() {
        os.gui.setMenuDriver([](const tk::PopupMenu&) { return std::string("ExitMenuItem"); });
        trayForm().dispatch(TLmrTrayForm::kTrayCallbackMessage, 0, 0x0204);
    }

    TLmrTrayForm& trayForm() { return *controller->trayWindow()->form(); }
    platform::Handle trayHandle() { return trayForm().handle(); }
    size_t registeredCount() { return os.desktop.hotKeyCount(); }

    std::unique_ptr<Lumaro> controller;
};

} // namespace

TEST_F(LumaroTest, FirstStartCreatesTheKeyProbesEverythingAndRegistersNothing) {
    start();
    EXPECT_TRUE(os.registry.hasKey(kListKey));
    EXPECT_EQ(controller->hotKeyList()->count(), 0);
    EXPECT_EQ(registeredCount(), 0u);
    EXPECT_EQ(os.hotKeys.callsOf("GlobalAddAtomA").size(), 208u);
    EXPECT_EQ(os.hotKeys.callsOf("RegisterHotKey").size(), 208u);
    EXPECT_TRUE(controller->accessCtrl()->isUsable('Q', true, true, true));
}

TEST_F(LumaroTest, TheTrayFormIsTheHiddenMainFormAndReceivesTheHotKeys) {
    store(0, "A", false, "a.exe");
    start();
    EXPECT_EQ(app.mainForm(), &trayForm());
    ASSERT_EQ(app.forms().size(), 4u); // the last is the parameters dialog
    EXPECT_EQ(app.forms()[1], controller->aboutBox()->form());
    EXPECT_EQ(app.forms()[2], controller->displayer()->form());
    EXPECT_EQ(app.forms()[3], static_cast<tk::Form*>(controller->displayer()->form()->params()));
    for (tk::Form* form : app.forms())
        EXPECT_FALSE(form->visible()) << form->name();
    for (const HotKeyCall& call : os.hotKeys.callsOf("RegisterHotKey"))
        EXPECT_EQ(call.hwnd, trayHandle());
    const FakeShell::Icon* icon = os.shell.icon(trayHandle(), 100);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->flags, 7u);
    EXPECT_EQ(icon->callbackMessage, 0x0401u);
    EXPECT_EQ(icon->tip, "Lumaro");
    EXPECT_EQ(icon->icon, trayForm().iconHandle());
}

TEST_F(LumaroTest, StoredDefinitionsAreCleanedAndRegisteredUnlessHeldElsewhere) {
    store(0, "A", false, "first.exe");
    store(1, "A", false, "second.exe");
    store(2, "B", false, "");
    store(3, "C", true, "c.exe");
    os.desktop.holdForAnotherProgram(kWin | kCtrl, 'C');
    start();
    const HotKeyList* list = controller->hotKeyList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->find('A', false, false, false)->command(), "second.exe");
    EXPECT_TRUE(controller->accessCtrl()->isRegistered('A', false, false, false));
    EXPECT_FALSE(controller->accessCtrl()->isRegistered('C', true, false, false));
    EXPECT_FALSE(controller->accessCtrl()->isUsable('C', true, false, false));
    EXPECT_EQ(controller->displayer()->workingList()->count(), 2);
    EXPECT_NE(controller->displayer()->workingList(), list);
}

TEST_F(LumaroTest, CommitRegistersBeforeItSavesAndSavesWhatCannotBeRegistered) {
    os.desktop.holdForAnotherProgram(kWin, 'Z');
    start();
    auto edited = std::make_unique<HotKeyList>();
    for (char letter : {'K', 'Z'}) {
        auto* key = new HotKey();
        key->setKeyLetter(letter);
        key->setCommand(std::string(1, letter) + ".exe");
        edited->addOrReplace(key);
    }
    controller->displayer()->setHotKeyList(edited.get());
    os.registry.failFunction("RegSetValueExA");
    EXPECT_THROW(controller->commitDefinitions(), ERegistryException);
    EXPECT_TRUE(controller->accessCtrl()->isRegistered('K', false, false, false));

    os.registry.resetCalls();
    controller->commitDefinitions();
    EXPECT_EQ(os.registry.dwordValue(kListKey, "Count"), 2u);
    EXPECT_EQ(os.registry.stringValue(item(1), "Command"), "Z.exe");
    EXPECT_FALSE(controller->accessCtrl()->isRegistered('Z', false, false, false));
}

TEST_F(LumaroTest, CommitWithoutChangesStillInstallsAndSaves) {
    store(0, "A", false, "a.exe");
    start();
    os.registry.resetCalls();
    controller->commitDefinitions();
    // The definition written beyond the stored one, "Count" switched, the
    // definition copied to the front, "Count" set to 1, then flushed.
    const auto& calls = os.registry.calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RegSetValueExA"), 20);
    EXPECT_EQ(calls.end()[-2], "RegFlushKey");
    EXPECT_EQ(os.registry.subKeyNames(kListKey), std::vector<std::string>{"HotKey_0"});
    EXPECT_TRUE(controller->accessCtrl()->isRegistered('A', false, false, false));
}

TEST_F(LumaroTest, LaunchPassesTheStoredFieldsToTheShellUnchanged) {
    store(0, "A", false, "C:\\Program Files\\x y.exe");
    os.registry.setString(item(0), "Parameters", "\"p q\" r");
    os.registry.setDword(item(0), "ShowCmd", 3);
    store(1, "B", false, "doc.txt");
    start();
    controller->executeHotKey('A', false, false, false);
    controller->executeHotKey('B', false, false, false);
    ASSERT_EQ(os.shell.launches().size(), 2u);
    const FakeShell::Launch& a = os.shell.launches()[0];
    EXPECT_EQ(a.hwnd, trayHandle());
    EXPECT_EQ(a.verb, "Open");
    EXPECT_EQ(a.file, "C:\\Program Files\\x y.exe");
    EXPECT_EQ(a.params, "\"p q\" r");
    EXPECT_EQ(a.dir, "");
    EXPECT_EQ(a.show, 3);
    EXPECT_EQ(os.shell.launches()[1].params, std::optional<std::string>(""));
}

TEST_F(LumaroTest, EveryOtherActionCodeIsAShellBinding) {
    store(0, "A", false, "", 42);
    store(1, "B", false, "", 8);
    store(2, "C", false, "", 3);
    store(3, "D", false, "", 2);
    platform::Handle progman = os.shell.addWindow("Progman");
    start();
    for (char letter : {'A', 'B', 'C', 'D'})
        controller->executeHotKey(letter, false, false, false);
    ASSERT_EQ(os.shell.posts().size(), 4u);
    std::vector<std::uintptr_t> ids;
    for (const FakeShell::Post& post : os.shell.posts()) {
        EXPECT_EQ(post.hwnd, progman);
        EXPECT_EQ(post.msg, 0x0312u);
        EXPECT_EQ(post.lParam, 0);
        ids.push_back(post.wParam);
    }
    EXPECT_EQ(ids, (std::vector<std::uintptr_t>{5, 1, 0, 0}));
    EXPECT_TRUE(os.shell.launches().empty());
}

TEST_F(LumaroTest, NothingHappensWithoutAProgManWindowOrARegistration) {
    store(0, "A", false, "", 42);
    store(1, "C", true, "c.exe");
    os.desktop.holdForAnotherProgram(kWin | kCtrl, 'C');
    start();
    controller->executeHotKey('A', false, false, false);
    controller->executeHotKey('C', true, false, false);
    controller->executeHotKey('Q', false, false, false);
    controller->executeHotKey('a', false, false, false);
    EXPECT_TRUE(os.shell.posts().empty());
    EXPECT_TRUE(os.shell.launches().empty());
}

TEST_F(LumaroTest, ThePopUpKeyBringsTheDefinitionWindowForward) {
    store(0, "P", true, "", 1);
    start();
    controller->executeHotKey('P', true, false, false);
    TLmrDefForm* form = controller->displayer()->form();
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(os.gui.foregroundWindow(), form->handle());
}

TEST_F(LumaroTest, ExitReleasesEverythingRemovesTheIconAndEndsWithZero) {
    store(0, "A", false, "a.exe");
    store(1, "B", true, "b.exe");
    start();
    TLmrTrayForm& tray = trayForm();
    platform::Handle trayWindow = tray.handle();
    controller->showDefineWindow();
    controller->showAboutBox();
    os.registry.resetCalls();
    exitFromMenu();
    EXPECT_EQ(os.process.exitCode(), std::optional<unsigned>(0));
    EXPECT_EQ(registeredCount(), 0u);
    EXPECT_EQ(os.desktop.atomCount(), 0u);
    EXPECT_EQ(os.shell.icon(trayWindow, 100), nullptr);
    // The tray form and the parameters dialog belong to the application.
    EXPECT_EQ(app.forms().size(), 2u);
    EXPECT_TRUE(app.terminated());
    const auto& calls = os.registry.calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RegSetValueExA"), 0);
    EXPECT_EQ(tray.tray(), nullptr);
}

namespace {

enum class Start { Succeeded, Failed };

// One start that fails where `fail` says, with the user double-clicking the
// icon, pressing a hotkey and choosing "Exit" while the error box is up.
// Whatever fails during start-up ends the start: no failure is shown and
// then gone past.
Start startFailingWhileTheUserActs(const std::function<void(FakeSystem&)>& fail) {
    FakeSystem os;
    os.registry.setString(kListKey + "\\HotKey_0", "Key", "A");
    os.registry.setString(kListKey + "\\HotKey_0", "Command", "a.exe");
    os.registry.setDword(kListKey, "Count", 1);
    tk::Application& app = tk::Application::instance();
    os.gui.setMenuDriver([](const tk::PopupMenu&) { return std::string("ExitMenuItem"); });
    os.gui.setErrorBoxDriver([&] {
        tk::Form* tray = app.mainForm();
        if (!tray || !tray->handleAllocated())
            return;
        for (std::intptr_t event : {0x0203, 0x0204})
            os.gui.postMessage(tray->handle(), TLmrTrayForm::kTrayCallbackMessage, 0, event);
        os.gui.postMessage(tray->handle(), 0x0312, 0, (std::intptr_t('A') << 16) | kWin);
        os.gui.postMessage(tray->handle(), os.shell.RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    });
    fail(os);
    std::unique_ptr<Lumaro> started;
    app.runGuarded([&] { started = std::make_unique<Lumaro>(started); });
    EXPECT_TRUE(os.shell.launches().empty());
    EXPECT_FALSE(os.process.exitCode().has_value());
    for (tk::Form* form : app.forms())
        EXPECT_FALSE(form->visible()) << form->name();
    if (started) {
        EXPECT_TRUE(os.gui.errorBoxes().empty()) << os.gui.errorBoxes()[0].text;
        started.reset();
        return Start::Succeeded;
    }
    EXPECT_EQ(os.gui.errorBoxes().size(), 1u);
    EXPECT_EQ(os.desktop.hotKeyCount(), 0u);
    EXPECT_EQ(os.desktop.atomCount(), 0u);
    EXPECT_EQ(os.shell.iconCount(), 0u);
    return Start::Failed;
}

} // namespace

TEST(LumaroFailedStartTest, WhateverStepFailsNothingIsLeftAndNothingActsWhileTheBoxIsUp) {
    int failed = 0;
    for (std::size_t n = 1;; ++n) {
        SCOPED_TRACE("window " + std::to_string(n));
        Start start =
            startFailingWhileTheUserActs([n](FakeSystem& os) { os.gui.failWindowCreation(n); });
        if (start == Start::Succeeded)
            break;
        failed += start == Start::Failed;
    }
    EXPECT_GT(failed, 100);
    // Atoms, the probe, and the registration of the stored definition.
    for (std::size_t n : {1u, 2u, 3u, 4u, 300u, 622u, 623u, 624u, 625u}) {
        SCOPED_TRACE("hotkey call " + std::to_string(n));
        EXPECT_EQ(startFailingWhileTheUserActs([n](FakeSystem& os) { os.hotKeys.throwAtCall(n); }),
                  Start::Failed);
    }
}
