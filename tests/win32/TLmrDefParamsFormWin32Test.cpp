#include "LayoutCheck.h"
#include "ScreenReader.h"
#include "ShellDrop.h"
#include "ToolkitWin32Fixture.h"

#include "model/HotKey.h"
#include "toolkit/win32/Dpi.h"
#include "ui/TLmrDefParamsForm.h"

#include <commctrl.h>
#include <dlgs.h>
#include <functional>

namespace {

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window))
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// The realized dialog under the real API, driven through its windows.
class TLmrDefParamsFormWin32Test : public ToolkitWin32Test {
protected:
    static HWND hwnd(tk::Control& control) { return hwndOf(control.handle()); }
    static std::wstring textOf(HWND window) {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        return text;
    }
    // Types at the end of the text, as after a click behind it.
    static void type(HWND window, const std::wstring& text) {
        int end = GetWindowTextLengthW(window);
        SendMessageW(window, EM_SETSEL, end, end);
        for (wchar_t key : text)
            SendMessageW(window, WM_CHAR, key, 1);
    }
    // Presses a key where the keyboard focus is, through the message loop.
    void press(WPARAM key) {
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        app.processMessages();
    }
    static void click(HWND window, int x, int y) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static COLORREF backgroundOf(HWND edit) {
        RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(edit, &client);
        HDC dc = GetDC(edit);
        COLORREF colour = GetPixel(dc, client.right - 2, client.bottom / 2);
        ReleaseDC(edit, dc);
        return colour;
    }
    // Runs the dialog on the record with the user played from a timer.
    bool edit(HotKey& key, std::function<void()> step) {
        return withUser(std::move(step), [&] { return form.editHotKey(&key); });
    }
    static HotKey* launch(HotKey& key) {
        key.setKeyLetter('Q');
        key.setCtrl(true);
        key.setCommand("C:\\Windows\\notepad.exe");
        key.setDirectory("C:\\Temp");
        key.setParameters("/a");
        key.setShowCmd(6);
        return &key;
    }
    static HotKey* bind(HotKey& key, int identifier) {
        key.setKeyLetter('W');
        key.setBind(identifier);
        return &key;
    }

    TLmrDefParamsForm& form = app.createForm<TLmrDefParamsForm>();
};

using layout::Fit;

const std::vector<layout::Placement> kLayout = {
    {"TitlePanel", "LmrDefParamsForm", {0, 0, 453, 25}},
    {"TitleLabel", "TitlePanel", {8, 6, 118, 12}, Fit::LeftEdge, true},
    {"CombinationLabel", "TitlePanel", {128, 6, 225, 12}, Fit::Box, true},
    {"BasePanel", "LmrDefParamsForm", {0, 25, 453, 350}},
    {"ExtraRadioButton1", "BasePanel", {8, 8, 225, 17}, Fit::Box, true},
    {"LmrBasePanel", "BasePanel", {16, 26, 425, 115}},
    {"ExecCmdLabel", "LmrBasePanel", {21, 10, 69, 12}, Fit::RightEdge, true},
    {"ExecCmdEdit", "LmrBasePanel", {96, 6, 297, 20}},
    {"CmdSpeedButton", "LmrBasePanel", {396, 6, 21, 21}, Fit::Box, true},
    {"ExecDirLabel", "LmrBasePanel", {17, 33, 73, 12}, Fit::RightEdge, true},
    {"ExecDirEdit", "LmrBasePanel", {96, 29, 297, 20}},
    {"ExecParamLabel", "LmrBasePanel", {8, 56, 82, 12}, Fit::RightEdge, true},
    {"ExecParamEdit", "LmrBasePanel", {96, 52, 297, 20}},
    {"WindowSizeRadioGroup", "LmrBasePanel", {32, 76, 361, 33}, Fit::Box, true},
    {"ExtraRadioButton2", "BasePanel", {8, 152, 281, 17}, Fit::Box, true},
    {"ExtraRadioButton3", "BasePanel", {8, 178, 233, 17}, Fit::Box, true},
    {"BindRadioGroup", "BasePanel", {16, 192, 425, 121}},
    {"BindRadioGroup.Item10", "BindRadioGroup", {215, 82, 207, 17}, Fit::Box, true},
    {"WinBindEdit", "BasePanel", {296, 274, 33, 20}},
    {"WinBindEditUpDown", "BasePanel", {329, 274, 16, 20}},
    {"OKButton", "BasePanel", {144, 318, 75, 25}, Fit::Box, true},
    {"CancelButton", "BasePanel", {232, 318, 75, 25}, Fit::Box, true},
};

} // namespace

TEST_F(TLmrDefParamsFormWin32Test, DialogIsLaidOutAndEveryCaptionPainted) {
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    RECT client;
    GetClientRect(hwnd(form), &client);
    EXPECT_EQ(client.right, layout::scaled(453));
    EXPECT_EQ(client.bottom, layout::scaled(375));
    layout::expectLaidOut(form, kLayout);
    POINT overGroup{layout::scaled(300), layout::scaled(280)};
    EXPECT_EQ(ChildWindowFromPointEx(hwnd(form.BasePanel), overGroup, CWP_SKIPINVISIBLE),
              hwnd(form.WinBindEdit))
        << "WinBindEdit lies over the radio group";
    EXPECT_EQ(textOf(hwnd(form.TitleLabel)), L"HotKey Combination :  ");
    EXPECT_EQ(textOf(hwnd(*form.BindRadioGroup.button(10))), L"その他");
    EXPECT_NE(GetWindowLongW(hwnd(form.ExecCmdEdit), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
}

TEST_F(TLmrDefParamsFormWin32Test, ReadOnlyStateAndColoursFollowTheKindOfAction) {
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    for (tk::Edit* edit :
         {static_cast<tk::Edit*>(&form.ExecCmdEdit), &form.ExecDirEdit, &form.ExecParamEdit}) {
        EXPECT_TRUE(IsWindowEnabled(hwnd(*edit)));
        EXPECT_EQ(GetWindowLongW(hwnd(*edit), GWL_STYLE) & ES_READONLY, 0);
        EXPECT_EQ(backgroundOf(hwnd(*edit)), GetSysColor(COLOR_WINDOW)) << edit->name();
    }
    EXPECT_FALSE(IsWindowEnabled(hwnd(form.WinBindEdit)));
    EXPECT_EQ(backgroundOf(hwnd(form.WinBindEdit)), GetSysColor(COLOR_BTNFACE));

    HotKey other;
    form.loadFrom(*bind(other, 15));
    for (tk::Edit* edit :
         {static_cast<tk::Edit*>(&form.ExecCmdEdit), &form.ExecDirEdit, &form.ExecParamEdit}) {
        EXPECT_FALSE(IsWindowEnabled(hwnd(*edit)));
        EXPECT_NE(GetWindowLongW(hwnd(*edit), GWL_STYLE) & ES_READONLY, 0);
        EXPECT_EQ(backgroundOf(hwnd(*edit)), GetSysColor(COLOR_BTNFACE)) << edit->name();
    }
    EXPECT_FALSE(IsWindowEnabled(hwnd(form.CmdSpeedButton)));
    EXPECT_TRUE(IsWindowEnabled(hwnd(form.WinBindEdit)));
    EXPECT_NE(GetWindowLongW(hwnd(form.WinBindEdit), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(backgroundOf(hwnd(form.WinBindEdit)), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(textOf(hwnd(form.WinBindEdit)), L"15");
    EXPECT_TRUE(IsWindowEnabled(hwnd(form.WinBindEditUpDown)));
    EXPECT_EQ(SendMessageW(hwnd(*form.BindRadioGroup.button(10)), BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageW(hwnd(*form.BindRadioGroup.button(2)), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(hwnd(form.WinBindEdit)));
    EXPECT_EQ(backgroundOf(hwnd(form.WinBindEdit)), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(IsWindowEnabled(hwnd(form.WinBindEditUpDown)));
}

TEST_F(TLmrDefParamsFormWin32Test, EnterInEachEditMovesTheFocusOnAndInsertsNothing) {
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    form.ExecCmdEdit.setFocus();
    ASSERT_EQ(GetFocus(), hwnd(form.ExecCmdEdit));
    press(VK_RETURN);
    EXPECT_EQ(GetFocus(), hwnd(form.ExecDirEdit));
    press(VK_RETURN);
    EXPECT_EQ(GetFocus(), hwnd(form.ExecParamEdit));
    press(VK_RETURN);
    EXPECT_EQ(GetFocus(), hwnd(form.OKButton));
    EXPECT_EQ(textOf(hwnd(form.ExecCmdEdit)), L"C:\\Windows\\notepad.exe");
    EXPECT_EQ(textOf(hwnd(form.ExecDirEdit)), L"C:\\Temp");
    EXPECT_EQ(textOf(hwnd(form.ExecParamEdit)), L"/a");
    EXPECT_TRUE(IsWindowVisible(hwnd(form)));
    EXPECT_EQ(form.modalResult(), tk::ModalResult::None);
}

TEST_F(TLmrDefParamsFormWin32Test, HeldEnterOrSpaceNeverPressesOk) {
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    form.ExecCmdEdit.setFocus();
    hold(VK_RETURN, 10);
    EXPECT_EQ(GetFocus(), hwnd(form.OKButton)) << "the repeats walk the edits";
    EXPECT_EQ(form.modalResult(), tk::ModalResult::None);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 0x40000001);
    app.processMessages();
    EXPECT_EQ(form.modalResult(), tk::ModalResult::None);
    hold(VK_SPACE, 5);
    EXPECT_EQ(form.modalResult(), tk::ModalResult::Ok) << "a first press still does";
}

TEST_F(TLmrDefParamsFormWin32Test, EscapeAndTheCloseBoxReturnFalseAndLeaveTheRecordAlone) {
    for (bool closeBox : {false, true}) {
        HotKey key;
        launch(key);
        bool confirmed = edit(key, [&] {
            type(hwnd(form.ExecCmdEdit), L"-changed");
            SendMessageW(hwnd(form.ExtraRadioButton3), BM_CLICK, 0, 0);
            if (closeBox)
                PostMessageW(hwnd(form), WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                press(VK_ESCAPE);
        });
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(key.command(), "C:\\Windows\\notepad.exe");
        EXPECT_EQ(key.extra(), 0);
        EXPECT_EQ(key.showCmd(), 6);
        EXPECT_FALSE(IsWindowVisible(hwnd(form)));
    }
    HotKey key;
    std::wstring shown;
    edit(*launch(key), [&] {
        shown = textOf(hwnd(form.ExecCmdEdit));
        press(VK_ESCAPE);
    });
    EXPECT_EQ(shown, L"C:\\Windows\\notepad.exe");
}

TEST_F(TLmrDefParamsFormWin32Test, OkWritesTheDialogBackIntoTheRecord) {
    HotKey key;
    bool confirmed = edit(*launch(key), [&] {
        type(hwnd(form.ExecParamEdit), L" /b");
        SendMessageW(hwnd(*form.WindowSizeRadioGroup.button(2)), BM_CLICK, 0, 0);
        SendMessageW(hwnd(form.OKButton), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(key.parameters(), "/a /b");
    EXPECT_EQ(key.command(), "C:\\Windows\\notepad.exe");
    EXPECT_EQ(key.showCmd(), 3);
    EXPECT_EQ(key.keyLetter(), 'Q');
    EXPECT_TRUE(key.ctrl());
}

TEST_F(TLmrDefParamsFormWin32Test, SpinControlDoesNotGoBelowTen) {
    HotKey key;
    form.loadFrom(*bind(key, 11));
    form.show();
    HWND arrows = hwnd(form.WinBindEditUpDown);
    RECT client;
    GetClientRect(arrows, &client);
    for (int i = 0; i < 3; ++i)
        click(arrows, client.right / 2, client.bottom - 2);
    EXPECT_EQ(textOf(hwnd(form.WinBindEdit)), L"10");
    click(arrows, client.right / 2, 2);
    EXPECT_EQ(textOf(hwnd(form.WinBindEdit)), L"11");
    form.WinBindEdit.setFocus();
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(textOf(hwnd(form.WinBindEdit)), L"10");
    press(VK_UP);
    EXPECT_EQ(textOf(hwnd(form.WinBindEdit)), L"11");
    EXPECT_EQ(form.actionCode(), 8 * 11 + 2);
}

TEST_F(TLmrDefParamsFormWin32Test, RealDropPutsTheFirstNameIntoTheCommand) {
    HotKey key;
    form.loadFrom(*launch(key));
    HWND command = hwnd(form.ExecCmdEdit);
    SendMessageA(command, WM_DROPFILES,
                 makeShellDrop({"C:\\Program Files\\one.exe", "C:\\two.txt", "C:\\three"}), 0);
    EXPECT_EQ(textOf(command), L"C:\\Program Files\\one.exe");
    EXPECT_EQ(textOf(hwnd(form.ExecDirEdit)), L"C:\\Temp");
    SendMessageA(command, WM_DROPFILES, makeShellDrop({}), 0);
    EXPECT_EQ(textOf(command), L"C:\\Program Files\\one.exe") << "a drop without names";
}

TEST_F(TLmrDefParamsFormWin32Test, BrowsingLeavesTheCurrentFolderAsItWas) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\windows"));
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    auto browse = [&] {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) {
            playUserLater();
            return;
        }
        SetDlgItemTextA(dialog, cmb13, exe);
        SetDlgItemTextA(dialog, edt1, exe);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
    withUser(browse, [&] { return SendMessageW(hwnd(form.CmdSpeedButton), BM_CLICK, 0, 0); });
    EXPECT_STRCASEEQ(form.ExecCmdEdit.ansiText().c_str(), exe);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    EXPECT_STRCASEEQ(folder, "C:\\windows");
}

// Read through oleacc as a screen reader reads them.
TEST_F(TLmrDefParamsFormWin32Test, AScreenReaderHearsWhatEachControlIsFor) {
    HotKey key;
    form.loadFrom(*launch(key));
    form.show();
    std::pair<tk::Control*, std::wstring> named[] = {
        {&form.ExecCmdEdit, L"起動コマンド"},
        {&form.ExecDirEdit, L"作業フォルダ"},
        {&form.ExecParamEdit, L"起動パラメータ"},
        {&form.WinBindEdit, L"その他"},
        {&form.CmdSpeedButton, L"起動コマンドのファイルを選ぶ"},
        {&form.WindowSizeRadioGroup, L"実行時の大きさ"},
    };
    for (const auto& [control, name] : named)
        EXPECT_EQ(hear(hwnd(*control)).name, name) << control->name();
}
