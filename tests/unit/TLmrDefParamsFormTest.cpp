#include "ui/TLmrDefParamsForm.h"
#include "fakes/FakeDragDrop.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/HeadlessTestBackend.h"
#include "model/HotKey.h"
#include "platform/DragDropApi.h"
#include "platform/FileDialogApi.h"
#include "toolkit/Application.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>

namespace {

struct Fields {
    Fields(char letter = 'A', bool ctrl = false, bool alt = false, bool shift = false,
           std::string command = "", std::string directory = "", std::string parameters = "",
           int extra = 0, int showCmd = 5)
        : letter(letter), ctrl(ctrl), alt(alt), shift(shift), command(std::move(command)),
          directory(std::move(directory)), parameters(std::move(parameters)), extra(extra),
          showCmd(showCmd) {}

    char letter;
    bool ctrl, alt, shift;
    std::string command, directory, parameters;
    int extra;
    int showCmd;
    bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* out) {
    *out << f.letter << (f.ctrl ? "+C" : "") << (f.alt ? "+A" : "") << (f.shift ? "+S" : "") << " ["
         << f.command << "|" << f.directory << "|" << f.parameters << "] extra " << f.extra
         << " show " << f.showCmd;
}

struct Record : HotKey {
    explicit Record(const Fields& f) {
        setKeyLetter(f.letter);
        setCtrl(f.ctrl);
        setAlt(f.alt);
        setShift(f.shift);
        setCommand(f.command);
        setDirectory(f.directory);
        setParameters(f.parameters);
        setExtra(f.extra);
        setShowCmd(f.showCmd);
    }
    Fields fields() const {
        return {keyLetter(), ctrl(),       alt(),   shift(),  command(),
                directory(), parameters(), extra(), showCmd()};
    }
};

class TLmrDefParamsFormTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    FakeDragDrop dragDrop;
    platform::Seam<platform::DragDropApi>::Scoped dragScope{dragDrop};
    FakeFileDialog files{"C:\\Work"};
    platform::Seam<platform::FileDialogApi>::Scoped fileScope{files};
    TLmrDefParamsForm& form = tk::Application::instance().createForm<TLmrDefParamsForm>();

    // The test plays the user of the dialog while it is shown.
    void user(std::function<void(TLmrDefParamsForm&)> steps) { backend.setModalDriver(steps); }
    // Opens the dialog on the record and presses OK at once.
    Fields confirmed(const Fields& fields) {
        Record key(fields);
        user([](TLmrDefParamsForm& dialog) { dialog.OKButton.click(); });
        EXPECT_TRUE(form.editHotKey(&key));
        return key.fields();
    }
    bool usable(const tk::Edit& edit) {
        return edit.enabled() && !edit.readOnly() && edit.color() == tk::SysColor::Window;
    }
    bool unusable(const tk::Edit& edit) {
        return !edit.enabled() && edit.color() == tk::SysColor::BtnFace;
    }
    void drop(std::vector<std::string> names) {
        form.ExecCmdEdit.dispatch(platform::kWmDropFiles, dragDrop.makeDrop(std::move(names)));
    }
};

} // namespace

TEST_F(TLmrDefParamsFormTest, TitleLineShowsTheCombination) {
    struct Case {
        Fields fields;
        std::string text;
    } cases[] = {
        {{'Q', true, false, true}, "[Windows] + [CTRL] + [SHIFT] + Q"},
        {{'D'}, "[Windows] + D"},
        {{'Z', true, true, true}, "[Windows] + [CTRL] + [ALT] + [SHIFT] + Z"},
        {{'\0'}, "[Windows] + "},
    };
    for (const Case& c : cases) {
        form.loadFrom(Record(c.fields));
        EXPECT_EQ(form.CombinationLabel.caption(), c.text);
    }
}

// Named as a sighted user reads them: by the painted label beside them, the
// choice they belong to, what the glyph button does, the group's caption.
TEST_F(TLmrDefParamsFormTest, ControlsWithoutTextOfTheirOwnAreNamedForScreenReaders) {
    EXPECT_EQ(form.ExecCmdEdit.accessibleName(), "起動コマンド");
    EXPECT_EQ(form.ExecDirEdit.accessibleName(), "作業フォルダ");
    EXPECT_EQ(form.ExecParamEdit.accessibleName(), "起動パラメータ");
    EXPECT_EQ(form.WinBindEdit.accessibleName(), "その他");
    EXPECT_EQ(form.CmdSpeedButton.accessibleName(), "起動コマンドのファイルを選ぶ");
    EXPECT_EQ(form.WindowSizeRadioGroup.accessibleName(), "実行時の大きさ");
}

TEST_F(TLmrDefParamsFormTest, EmptyLaunchLoadsWithTheLaunchControlsUsableAndTheBindOnesNot) {
    form.loadFrom(Record(Fields('A')));
    EXPECT_TRUE(form.ExtraRadioButton1.checked());
    for (tk::Edit* edit :
         {static_cast<tk::Edit*>(&form.ExecCmdEdit), &form.ExecDirEdit, &form.ExecParamEdit}) {
        EXPECT_EQ(edit->text(), "");
        EXPECT_TRUE(usable(*edit)) << edit->name();
    }
    EXPECT_TRUE(form.CmdSpeedButton.enabled());
    EXPECT_TRUE(form.LmrBasePanel.enabled());
    EXPECT_FALSE(form.BindRadioGroup.enabled());
    EXPECT_TRUE(unusable(form.WinBindEdit));
    EXPECT_FALSE(form.WinBindEditUpDown.enabled());
}

TEST_F(TLmrDefParamsFormTest, ShellBindingsLoadAndWriteBackUnchanged) {
    struct Case {
        int extra;
        int item;
        int written;
    } cases[] = {
        {8 * 4 + 2, 4, 34}, {8 * 15 + 2, 10, 122}, {8, 1, 10}, {8 * 31 + 2, 10, 250}, {2, 0, 2}};
    for (const Case& c : cases) {
        form.loadFrom(Record({'B', false, false, false, "", "", "", c.extra}));
        EXPECT_TRUE(form.ExtraRadioButton3.checked()) << c.extra;
        EXPECT_EQ(form.BindRadioGroup.itemIndex(), c.item) << c.extra;
        EXPECT_TRUE(form.BindRadioGroup.enabled());
        EXPECT_TRUE(unusable(form.ExecCmdEdit));
        EXPECT_TRUE(form.ExecCmdEdit.readOnly());
        EXPECT_FALSE(form.CmdSpeedButton.enabled());
        EXPECT_EQ(confirmed({'B', false, false, false, "", "", "", c.extra}).extra, c.written);
    }
    EXPECT_EQ(form.BindRadioGroup.items()[4], "エクスプローラの起動");
}

TEST_F(TLmrDefParamsFormTest, OtherBindingShowsItsNumberWithTheSpinControlUsable) {
    form.loadFrom(Record({'C', false, false, false, "", "", "", 8 * 15 + 2}));
    EXPECT_EQ(form.BindRadioGroup.items()[10], "その他");
    EXPECT_EQ(form.WinBindEdit.text(), "15");
    EXPECT_EQ(form.WinBindEditUpDown.position(), 15);
    EXPECT_TRUE(form.WinBindEdit.enabled());
    EXPECT_TRUE(form.WinBindEdit.readOnly()) << "the user cannot type into it";
    EXPECT_EQ(form.WinBindEdit.color(), tk::SysColor::Window);
    EXPECT_TRUE(form.WinBindEditUpDown.enabled());

    form.BindRadioGroup.button(3)->click();
    EXPECT_FALSE(form.WinBindEdit.enabled());
    EXPECT_EQ(form.WinBindEdit.color(), tk::SysColor::BtnFace);
    EXPECT_FALSE(form.WinBindEditUpDown.enabled());
}

TEST_F(TLmrDefParamsFormTest, WinBindEditKeepsItsTextUnlessAnOtherBindingIsLoaded) {
    form.loadFrom(Record({'C', false, false, false, "", "", "", 8 * 20 + 2}));
    form.loadFrom(Record({'C', false, false, false, "", "", "", 8 * 3 + 2}));
    EXPECT_EQ(form.WinBindEdit.text(), "20");
    form.loadFrom(Record(Fields('C')));
    EXPECT_EQ(form.WinBindEdit.text(), "20");
}

TEST_F(TLmrDefParamsFormTest, ShowCommandsMapToTheWindowSizeItems) {
    struct Case {
        int loaded;
        int item;
        int written;
    } cases[] = {{5, 0, 5}, {1, 0, 5}, {0, 0, 5}, {-3, 0, 5}, {6, 1, 6}, {3, 2, 3}, {7, 0, 5}};
    for (const Case& c : cases) {
        Fields fields{'E', false, false, false, "notepad.exe"};
        fields.showCmd = c.loaded;
        form.loadFrom(Record(fields));
        EXPECT_EQ(form.WindowSizeRadioGroup.itemIndex(), c.item) << c.loaded;
        EXPECT_EQ(confirmed(fields).showCmd, c.written) << c.loaded;
    }
    form.WindowSizeRadioGroup.setItemIndex(-1);
    HotKey key;
    form.storeTo(key);
    EXPECT_EQ(key.showCmd(), 5) << "no item selected";
}

TEST_F(TLmrDefParamsFormTest, SwitchingALaunchToThePopUpKeyClearsItsTexts) {
    Record key({'P', true, false, false, "cmd.exe", "C:\\", "/k", 0, 5});
    user([](TLmrDefParamsForm& dialog) {
        dialog.ExtraRadioButton2.click();
        dialog.WindowSizeRadioGroup.button(2)->click();
        dialog.OKButton.click();
    });
    ASSERT_TRUE(form.editHotKey(&key));
    EXPECT_EQ(key.fields(), (Fields{'P', true, false, false, "", "", "", 1, 3}));
}

TEST_F(TLmrDefParamsFormTest, LaunchWithAnEmptyCommandStoresNoFolderOrParameters) {
    EXPECT_EQ(confirmed({'F', false, true, false, "", "C:\\Temp", "-x", 0, 6}),
              (Fields{'F', false, true, false, "", "", "", 0, 6}));
}

TEST_F(TLmrDefParamsFormTest, TextsAreStoredExactlyAsTheyStand) {
    Fields fields{'G',     false, false, false, "  \"C:\\Program Files\\x.exe\" ", "no\\such\\dir ",
                  " a  b "};
    EXPECT_EQ(confirmed(fields), fields);
}

TEST_F(TLmrDefParamsFormTest, DroppedFilesPutTheFirstNameIntoTheCommandOnly) {
    form.loadFrom(Record({'H', false, false, false, "old.exe", "C:\\Dir", "-p"}));
    drop({"C:\\a b\\first.txt", "C:\\second.txt", "C:\\third.txt"});
    EXPECT_EQ(form.ExecCmdEdit.text(), "C:\\a b\\first.txt");
    EXPECT_EQ(form.ExecDirEdit.text(), "C:\\Dir");
    EXPECT_EQ(form.ExecParamEdit.text(), "-p");
    drop({});
    EXPECT_EQ(form.ExecCmdEdit.text(), "C:\\a b\\first.txt") << "an empty drop changes nothing";
    EXPECT_EQ(dragDrop.liveDrops(), 0u);
}

TEST_F(TLmrDefParamsFormTest, EnterMovesTheFocusThroughTheEditsToOkAndThenPressesIt) {
    Record key({'I', false, false, false, "calc.exe", "C:\\", "/x"});
    std::vector<std::string> focus;
    user([&](TLmrDefParamsForm& dialog) {
        focus.push_back(dialog.focusedControl()->name());
        dialog.ExecCmdEdit.setFocus();
        for (int i = 0; i < 3; ++i) {
            dialog.keyDown(tk::Key::Enter);
            focus.push_back(dialog.focusedControl()->name());
        }
        EXPECT_EQ(dialog.modalResult(), tk::ModalResult::None) << "the dialog stays open";
        dialog.keyDown(tk::Key::Enter);
    });
    EXPECT_TRUE(form.editHotKey(&key));
    EXPECT_EQ(focus,
              (std::vector<std::string>{"OKButton", "ExecDirEdit", "ExecParamEdit", "OKButton"}));
    EXPECT_EQ(key.fields(), (Fields{'I', false, false, false, "calc.exe", "C:\\", "/x"}))
        << "Enter inserts nothing";
}

TEST_F(TLmrDefParamsFormTest, OtherCharactersAreTypedIntoTheEdits) {
    form.loadFrom(Record(Fields('J')));
    form.ExecParamEdit.typeChar(U'x');
    form.ExecParamEdit.typeChar(U'本');
    EXPECT_EQ(form.ExecParamEdit.text(), "x本");
}

TEST_F(TLmrDefParamsFormTest, EscapeAndTheCloseBoxLeaveTheRecordUntouched) {
    const Fields original{'K', true, false, false, "a.exe", "C:\\A", "-a", 0, 6};
    for (bool closeBox : {false, true}) {
        Record key(original);
        user([closeBox](TLmrDefParamsForm& dialog) {
            dialog.ExecCmdEdit.setText("changed.exe");
            dialog.ExtraRadioButton3.click();
            dialog.BindRadioGroup.setItemIndex(10);
            dialog.WinBindEditUpDown.step(1);
            if (closeBox)
                dialog.close();
            else
                dialog.keyDown(tk::Key::Escape);
        });
        EXPECT_FALSE(form.editHotKey(&key));
        EXPECT_EQ(key.fields(), original);
        EXPECT_FALSE(form.visible());
    }
    form.loadFrom(Record(original));
    EXPECT_EQ(form.ExecCmdEdit.text(), "a.exe") << "reopening shows the record";
    EXPECT_TRUE(form.ExtraRadioButton1.checked());
}

TEST_F(TLmrDefParamsFormTest, NullRecordShowsNothing) {
    EXPECT_FALSE(form.editHotKey(nullptr));
    EXPECT_TRUE(backend.modalsShown().empty());
}

TEST_F(TLmrDefParamsFormTest, OkButtonHasTheFocusOnEveryShowing) {
    Record key(Fields('L'));
    std::vector<std::string> focus;
    user([&](TLmrDefParamsForm& dialog) {
        focus.push_back(dialog.focusedControl()->name());
        dialog.ExecDirEdit.setFocus();
        dialog.CancelButton.click();
    });
    form.editHotKey(&key);
    form.editHotKey(&key);
    EXPECT_EQ(focus, (std::vector<std::string>{"OKButton", "OKButton"}));
}

TEST_F(TLmrDefParamsFormTest, SpinControlStaysBetween10And31) {
    form.loadFrom(Record({'M', false, false, false, "", "", "", 8 * 11 + 2}));
    form.show();
    form.WinBindEdit.setFocus();
    ASSERT_TRUE(form.WinBindEdit.focused());
    for (int i = 0; i < 5; ++i)
        form.keyDown(tk::Key::Down);
    EXPECT_EQ(form.WinBindEdit.text(), "10");
    for (int i = 0; i < 40; ++i)
        form.WinBindEditUpDown.step(1);
    EXPECT_EQ(form.WinBindEdit.text(), "31");
    EXPECT_EQ(form.actionCode(), 8 * 31 + 2);
}

TEST_F(TLmrDefParamsFormTest, WinBindEditIsReadAsADecimalPrefixThatCannotOverflow) {
    struct Case {
        const char* text;
        int identifier;
    } cases[] = {{"17", 17},
                 {"  +17xyz", 17},
                 {"\t 12 3", 12},
                 {"", 0},
                 {"abc", 0},
                 {"-5", 0},
                 {"32", 31},
                 {"99999999999999999999", 31},
                 {"-99999999999999999999", 0}};
    form.loadFrom(Record({'N', false, false, false, "", "", "", 8 * 10 + 2}));
    for (const Case& c : cases) {
        form.WinBindEdit.setText(c.text);
        EXPECT_EQ(form.actionCode(), 8 * c.identifier + 2) << c.text;
    }
}

TEST_F(TLmrDefParamsFormTest, BrowsingPutsTheChosenFileInAndRestoresTheCurrentFolder) {
    form.loadFrom(Record({'O', false, false, false, "old.exe", "C:\\Dir", "-p"}));
    files.setUser([](const FakeFileDialog::Shown&) { return "D:\\Tools\\run.exe"; });
    form.CmdSpeedButton.click();
    EXPECT_EQ(form.ExecCmdEdit.text(), "D:\\Tools\\run.exe");
    EXPECT_EQ(form.ExecDirEdit.text(), "C:\\Dir");
    EXPECT_EQ(form.ExecParamEdit.text(), "-p");
    EXPECT_EQ(files.currentDirectory(), "C:\\Work");

    files.setUser([](const FakeFileDialog::Shown&) { return std::nullopt; });
    form.CmdSpeedButton.click();
    EXPECT_EQ(form.ExecCmdEdit.text(), "D:\\Tools\\run.exe") << "a cancelled browse";

    ASSERT_EQ(files.shown().size(), 2u);
    const FakeFileDialog::Shown& first = files.shown()[0];
    EXPECT_EQ(first.owner, form.handle());
    EXPECT_EQ(first.fileName, "");
    EXPECT_FALSE(first.filter || first.initialDir || first.title);
    EXPECT_EQ(files.shown()[1].fileName, "D:\\Tools\\run.exe") << "the previous choice";
}
