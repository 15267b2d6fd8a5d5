#include "ui/TLmrDefForm.h"
#include "StoredDefinitions.h"
#include "app/HotKeyAccessCtrl.h"
#include "app/Lumaro.h"
#include "fakes/FakeSystem.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
#include "ui/TLmrDefParamsForm.h"

#include <gtest/gtest.h>

namespace {

using stored::kListKey;
constexpr unsigned kWin = 8, kCtrl = 2;

// The whole program on the faked OS, with the definition window at hand.
class DefFormTest : public ::testing::Test {
protected:
    void store(const std::string& letter, bool ctrl, const std::string& command,
               std::uint32_t extra = 0) {
        stored::storeItem(os.registry, storedCount, letter, ctrl, command, extra);
        stored::storeCount(os.registry, ++storedCount);
    }
    // As the entry point does it.
    void start() {
        tk::Application::instance().setTitle(Lumaro::kTitle);
        controller = std::make_unique<Lumaro>(controller);
        form = controller->displayer()->form();
    }
    const HotKey* installed(char letter, bool ctrl = false) {
        return controller->hotKeyList()->find(letter, ctrl, false, false);
    }
    TQelEdit& edit(char letter) { return *form->editOf(letter); }
    void playUser(std::function<void(TLmrDefParamsForm&)> user) { os.gui.setModalDriver(user); }

    FakeSystem os;
    std::unique_ptr<Lumaro> controller;
    TLmrDefForm* form = nullptr;
    int storedCount = 0;
};

} // namespace

TEST_F(DefFormTest, ANewWindowShowsTheEmptyPageWithoutModifiers) {
    start();
    controller->showDefineWindow();
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(form->caption(), "Lumaro");
    EXPECT_EQ(form->clientWidth(), 585);
    EXPECT_EQ(form->clientHeight(), 448);
    EXPECT_FALSE(form->pageIsCtrl() || form->pageIsAlt() || form->pageIsShift());
    for (tk::Panel* panel :
         {&form->CtrlButtonPanel, &form->AltButtonPanel, &form->ShiftButtonPanel}) {
        EXPECT_EQ(panel->bevelOuter(), tk::Bevel::Raised);
        EXPECT_EQ(panel->bevelInner(), tk::Bevel::Raised);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        EXPECT_EQ(edit(letter).text(), "");
        EXPECT_FALSE(edit(letter).readOnly());
        EXPECT_EQ(edit(letter).color(), tk::SysColor::Window);
        EXPECT_TRUE(edit(letter).tabStop());
    }
    EXPECT_EQ(form->find("KeyEditN")->bounds(), (tk::Rect{20, 4, 230, 20}));
    EXPECT_EQ(form->find("KeyPanelN")->bounds(), (tk::Rect{296, 4, 281, 29}));
    EXPECT_EQ(form->find("KeyPanelM")->bounds(), (tk::Rect{8, 4 + 31 * 12, 281, 29}));
}

TEST_F(DefFormTest, PopupBindAndUnknownCodesShowTheirBanners) {
    store("P", true, "", 1);
    store("R", true, "", 42);
    store("Q", true, "", 8);
    start();
    form->CtrlButtonPanelClick();
    EXPECT_EQ(edit('P').text(), " <<< Lumaroポップアップ >>>");
    EXPECT_EQ(edit('P').hint(), " <<< Lumaroポップアップ >>>");
    EXPECT_TRUE(edit('P').readOnly());
    EXPECT_EQ(edit('P').color(), tk::SysColor::BtnFace);
    EXPECT_FALSE(edit('P').tabStop());
    EXPECT_TRUE(form->buttonOf('P')->enabled());
    EXPECT_EQ(edit('R').text(), " <<< Windows標準HotKeyへのバインド >>>");
    EXPECT_EQ(edit('Q').text(), "???");
    EXPECT_FALSE(edit('Q').readOnly());
    // A row's usable state and the banner it shows make its look in either order.
    form->setRowUsable('P', true);
    form->setRowUsable('Q', false);
    EXPECT_TRUE(edit('P').readOnly() && edit('Q').readOnly());
    form->setRowUsable('Q', true);

    edit('Q').typeChar('x');
    form->OkButtonClick();
    const HotKey* unknown = installed('Q', true);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->extra(), 8);
    EXPECT_EQ(unknown->command(), "");
    EXPECT_EQ(unknown->showCmd(), 5);
    EXPECT_TRUE(installed('P', true)->isPopup());
    EXPECT_EQ(installed('R', true)->bindId(), 5);
}

TEST_F(DefFormTest, OkInstallsRegistersAndSavesTheRowsAndClearingARowRemovesIt) {
    store("A", false, "old.exe");
    start();
    controller->showDefineWindow();
    edit('A').setText("");
    edit('D').typeChar('d');
    edit('D').typeChar('.');
    edit('D').typeChar('x');
    form->OkButtonClick();
    EXPECT_FALSE(form->visible());
    EXPECT_EQ(installed('A'), nullptr);
    ASSERT_NE(installed('D'), nullptr);
    EXPECT_EQ(installed('D')->command(), "d.x");
    EXPECT_TRUE(controller->accessCtrl()->isRegistered('D', false, false, false));
    EXPECT_FALSE(controller->accessCtrl()->isRegistered('A', false, false, false));
    EXPECT_EQ(os.registry.dwordValue(kListKey, "Count"), 1u);
    EXPECT_EQ(os.registry.stringValue(kListKey + "\\HotKey_0", "Command"), "d.x");
}

TEST_F(DefFormTest, TypedTextSurvivesAPageSwitchAndTheModifierPanelsToggle) {
    start();
    edit('D').setText("typed");
    form->AltButtonPanelClick();
    EXPECT_TRUE(form->pageIsAlt());
    EXPECT_EQ(edit('D').text(), "");
    form->AltButtonPanelClick();
    EXPECT_EQ(edit('D').text(), "typed");

    form->CtrlButtonPanelClick();
    form->ShiftButtonPanelClick();
    EXPECT_TRUE(form->pageIsCtrl() && form->pageIsShift() && !form->pageIsAlt());
    EXPECT_EQ(form->CtrlButtonPanel.bevelOuter(), tk::Bevel::Lowered);
    EXPECT_EQ(form->ShiftButtonPanel.bevelInner(), tk::Bevel::Lowered);
    EXPECT_EQ(form->AltButtonPanel.bevelOuter(), tk::Bevel::Raised);
    form->CtrlButtonPanelClick();
    EXPECT_TRUE(!form->pageIsCtrl() && form->pageIsShift());
    // Stored in the working list, not installed until OK.
    EXPECT_EQ(installed('D'), nullptr);
    EXPECT_NE(controller->displayer()->workingList()->find('D', false, false, false), nullptr);
}

TEST_F(DefFormTest, CancelKeepsEditsForTheNextOkAndOkResetsThePage) {
    start();
    form->CtrlButtonPanelClick();
    form->AltButtonPanelClick();
    edit('E').setText("e.exe");
    form->CancelButtonClick();
    EXPECT_FALSE(form->visible());
    EXPECT_EQ(installed('E', true), nullptr);
    controller->showDefineWindow();
    EXPECT_EQ(edit('E').text(), "e.exe");
    form->OkButtonClick();
    EXPECT_NE(controller->hotKeyList()->find('E', true, true, false), nullptr);
    EXPECT_FALSE(form->pageIsCtrl() || form->pageIsAlt());
    EXPECT_EQ(form->CtrlButtonPanel.bevelOuter(), tk::Bevel::Raised);
}

TEST_F(DefFormTest, TheCloseBoxHidesAndKeepsPendingEdits) {
    start();
    controller->showDefineWindow();
    edit('F').setText("f.exe");
    form->close();
    EXPECT_FALSE(form->visible());
    EXPECT_EQ(installed('F'), nullptr);
    controller->showDefineWindow();
    EXPECT_EQ(edit('F').text(), "f.exe");
}

// Every field takes what the save can write and the load read back: typing
// stops at the bound, which the rows and the dialog's text fields share.
TEST_F(DefFormTest, TextFieldsTakeNoMoreThanTheStorageBound) {
    start();
    const size_t bound = QelRegistry::kMaxTextUnits;
    edit('G').setText(std::string(bound - 1, 'g'));
    edit('G').typeChar('h');
    edit('G').typeChar('i');
    EXPECT_EQ(edit('G').text().size(), bound);
    EXPECT_EQ(edit('G').text().back(), 'h');
    TLmrDefParamsForm& params = *form->params();
    for (tk::Edit* field :
         {static_cast<tk::Edit*>(&params.ExecCmdEdit), &params.ExecDirEdit, &params.ExecParamEdit})
        EXPECT_EQ(field->maxLength(), bound) << field->name();
    EXPECT_EQ(edit('Z').maxLength(), bound);
}

TEST_F(DefFormTest, OkWhenTheSaveFailsShowsTheErrorKeepsTheInstallAndTheWindow) {
    store("A", false, "a.exe");
    start();
    controller->showDefineWindow();
    edit('G').setText("g.exe");
    os.registry.failFunction("RegSetValueExA");
    form->OkButton.click();
    ASSERT_EQ(os.gui.errorBoxes().size(), 1u);
    // The first value of the new list that could not be written; nothing
    // was committed.
    EXPECT_EQ(os.gui.errorBoxes()[0].text, "'Key' の設定に失敗しました");
    EXPECT_EQ(os.registry.dwordValue(kListKey, "Count"), 1u);
    EXPECT_EQ(os.registry.subKeyNames(kListKey), std::vector<std::string>{"HotKey_0"});
    EXPECT_EQ(os.gui.errorBoxes()[0].caption, "Lumaro");
    ASSERT_NE(installed('G'), nullptr);
    EXPECT_TRUE(controller->accessCtrl()->isRegistered('G', false, false, false));
    EXPECT_TRUE(form->visible());
}

TEST_F(DefFormTest, AHeldCombinationIsADisabledRowAndItsDefinitionIsKept) {
    store("H", false, "held.exe");
    os.desktop.holdForAnotherProgram(kWin, 'H');
    start();
    EXPECT_FALSE(form->labelOf('H')->enabled());
    EXPECT_FALSE(edit('H').enabled());
    EXPECT_FALSE(form->buttonOf('H')->enabled());
    EXPECT_TRUE(edit('H').readOnly());
    EXPECT_EQ(edit('H').text(), "held.exe");
    form->OkButtonClick();
    ASSERT_NE(installed('H'), nullptr);
    EXPECT_EQ(installed('H')->command(), "held.exe");
    EXPECT_EQ(os.registry.stringValue(kListKey + "\\HotKey_0", "Command"), "held.exe");
}

// The page toggles come after the rows and before OK; Space toggles the
// focused one as a click does, once however long it is held, and the focus
// stays on it.
TEST_F(DefFormTest, TheKeyboardReachesThePageTogglesAndSpaceTogglesThem) {
    start();
    controller->showDefineWindow();
    EXPECT_TRUE(edit('A').focused()) << "opens on its first tab stop";
    std::vector<tk::Control*> order = form->tabList();
    ASSERT_EQ(order.size(), 26u * 2 + 5);
    EXPECT_EQ(order[51], form->buttonOf('Z'));
    EXPECT_EQ(
        std::vector<tk::Control*>(order.end() - 5, order.end()),
        (std::vector<tk::Control*>{&form->CtrlButtonPanel, &form->AltButtonPanel,
                                   &form->ShiftButtonPanel, &form->OkButton, &form->CancelButton}));

    edit('D').setText("typed");
    form->buttonOf('Z')->setFocus();
    form->keyDown(tk::Key::Tab);
    form->keyDown(tk::Key::Tab);
    ASSERT_TRUE(form->AltButtonPanel.focused());
    form->keyDown(tk::Key::Space);
    form->keyRepeated(tk::Key::Space);
    EXPECT_TRUE(form->pageIsAlt());
    EXPECT_EQ(form->AltButtonPanel.bevelOuter(), tk::Bevel::Lowered);
    EXPECT_EQ(edit('D').text(), "");
    EXPECT_TRUE(form->AltButtonPanel.focused());
    form->keyDown(tk::Key::Enter);
    EXPECT_TRUE(form->visible() && form->pageIsAlt()) << "Enter presses nothing here";
    form->keyDown(tk::Key::Space);
    EXPECT_FALSE(form->pageIsAlt());
    EXPECT_EQ(edit('D').text(), "typed");
}

// A screen reader hears each row's combination, as the parameters dialog's
// title writes it, renamed with every page.
TEST_F(DefFormTest, EachRowIsNamedWithItsCombinationOnEveryPage) {
    start();
    EXPECT_EQ(edit('A').accessibleName(), "[Windows] + A");
    form->CtrlButtonPanelClick();
    form->ShiftButtonPanelClick();
    EXPECT_EQ(edit('Q').accessibleName(), "[Windows] + [CTRL] + [SHIFT] + Q");
    EXPECT_EQ(form->buttonOf('Q')->accessibleName(), "[Windows] + [CTRL] + [SHIFT] + Q");
    HotKey key;
    key.setKeyLetter('Q');
    key.setCtrl(true);
    key.setShift(true);
    form->params()->loadFrom(key);
    EXPECT_EQ(form->params()->CombinationLabel.caption(), edit('Q').accessibleName());
    EXPECT_TRUE(form->CtrlButtonPanel.pressed());
    EXPECT_FALSE(form->AltButtonPanel.pressed());
}

TEST_F(DefFormTest, EnterMovesTheFocusToOkWithoutInsertingOrPressing) {
    start();
    controller->showDefineWindow();
    edit('B').setFocus();
    edit('B').typeChar(U'\r');
    EXPECT_EQ(edit('B').text(), "");
    EXPECT_TRUE(form->OkButton.focused());
    EXPECT_TRUE(form->visible());
}

TEST_F(DefFormTest, TheDialogEditsARowOnlyWhenConfirmed) {
    start();
    controller->showDefineWindow();
    playUser([](TLmrDefParamsForm& dialog) {
        dialog.ExtraRadioButton2.click();
        dialog.OKButton.click();
    });
    form->CtrlButtonPanelClick();
    form->editRow('P');
    EXPECT_EQ(edit('P').text(), " <<< Lumaroポップアップ >>>");
    EXPECT_TRUE(edit('P').readOnly());
    EXPECT_TRUE(form->OkButton.focused());

    playUser([](TLmrDefParamsForm& dialog) {
        dialog.ExtraRadioButton1.click();
        dialog.CancelButton.click();
    });
    form->editRow('P');
    EXPECT_EQ(edit('P').text(), " <<< Lumaroポップアップ >>>");
    form->OkButtonClick();
    EXPECT_FALSE(form->visible());
    controller->executeHotKey('P', true, false, false);
    EXPECT_TRUE(form->visible());
}

TEST_F(DefFormTest, ADropProposesALaunchOfTheFirstFile) {
    store("B", false, "", 1);
    start();
    std::string seenCommand;
    bool seenLaunch = false;
    playUser([&](TLmrDefParamsForm& dialog) {
        seenCommand = dialog.ExecCmdEdit.ansiText();
        seenLaunch = dialog.ExtraRadioButton1.checked();
        dialog.CancelButton.click();
    });
    form->dropOnRow('B', {"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"});
    EXPECT_EQ(seenCommand, "C:\\one.txt");
    EXPECT_TRUE(seenLaunch);
    EXPECT_EQ(edit('B').text(), " <<< Lumaroポップアップ >>>");

    playUser([](TLmrDefParamsForm& dialog) { dialog.OKButton.click(); });
    form->dropOnRow('B', {"C:\\one.txt"});
    EXPECT_EQ(edit('B').ansiText(), "C:\\one.txt");
    EXPECT_FALSE(edit('B').readOnly());
    seenCommand.clear();
    form->dropOnRow('B', {});
    EXPECT_EQ(seenCommand, "");
}

TEST_F(DefFormTest, ARowReachedWhileTheDialogIsOpenLeavesTheOpenRecordAlone) {
    store("C", false, "C:\\c.exe");
    start();
    std::string seenCommand;
    playUser([&](TLmrDefParamsForm& dialog) {
        form->dropOnRow('D', {"C:\\dropped.txt"});
        form->editRow('C');
        seenCommand = dialog.ExecCmdEdit.ansiText();
        dialog.ExecCmdEdit.setAnsiText("C:\\a.exe");
        dialog.OKButton.click();
    });
    form->editRow('A');
    EXPECT_EQ(seenCommand, "");
    EXPECT_EQ(os.gui.modalsShown().size(), 1u);
    EXPECT_TRUE(os.gui.errorBoxes().empty());
    EXPECT_EQ(edit('C').ansiText(), "C:\\c.exe");
    EXPECT_EQ(edit('D').ansiText(), "");
    form->OkButtonClick();
    EXPECT_EQ(installed('A')->command(), "C:\\a.exe");
    EXPECT_EQ(installed('C')->command(), "C:\\c.exe");
    EXPECT_EQ(installed('D'), nullptr);
}

TEST_F(DefFormTest, RowLookUpsAnswerForLettersOnly) {
    start();
    EXPECT_EQ(TLmrDefForm::normalizeLetter('q'), 'Q');
    EXPECT_EQ(TLmrDefForm::normalizeLetter('['), 0);
    EXPECT_LT(TLmrDefForm::rowIndex('@'), 0);
    EXPECT_EQ(form->editOf('z'), form->editOf('Z'));
    EXPECT_EQ(form->labelOf('1'), nullptr);
    EXPECT_EQ(form->rowToHotKey('!'), nullptr);
    EXPECT_EQ(form->row('!'), nullptr);
    EXPECT_EQ(form->row('q'), form->row('Q'));
    EXPECT_EQ(form->row('Q')->letter(), 'Q');
    form->setRowUsable('!', false);
    form->showHotKey(nullptr);
}

TEST_F(DefFormTest, UntouchedDataTextComesBackByteForByte) {
    std::string ansi = "C:\\\x83\x76\x83\x8d\\\xff\x81.exe";
    store("K", false, ansi);
    start();
    form->OkButtonClick();
    EXPECT_EQ(installed('K')->command(), ansi);
}
