#include "ToolkitWin32Fixture.h"

#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FontCache.h"

#include <commctrl.h>

namespace {

BOOL CALLBACK findToolTip(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW)
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

class ToolkitWin32ControlsTest : public ToolkitWin32Test {
protected:
    ToolkitWin32ControlsTest() {
        form.setBorderStyle(tk::BorderStyle::Dialog);
        form.setClientSize(300, 200);
        panel.setBounds({0, 0, 300, 200});
        edit.setBounds({10, 10, 100, 20});
        button.setBounds({10, 40, 75, 25});
        button.setCaption("OK");
    }

    static std::wstring textOf(HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }
    static RECT rectIn(HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    static HWND hwnd(tk::Control& control) { return hwndOf(control.handle()); }

    tk::Form form{"Form"};
    tk::Panel panel{"Panel", form};
    tk::Edit edit{"Edit", panel};
    tk::Button button{"Button", panel};
};

} // namespace

TEST_F(ToolkitWin32ControlsTest, ControlsAreChildWindowsAtScaledBoundsInTheFormsFont) {
    HWND window = hwnd(edit);
    EXPECT_EQ(GetParent(window), hwnd(panel));
    EXPECT_EQ(GetParent(hwnd(panel)), hwnd(form));
    RECT rect = rectIn(window);
    EXPECT_EQ(rect.left, tk::scaleFrom96Dpi(10));
    EXPECT_EQ(rect.bottom - rect.top, tk::scaleFrom96Dpi(20));
    RECT client;
    GetClientRect(hwnd(form), &client);
    EXPECT_EQ(client.right, tk::scaleFrom96Dpi(300));
    EXPECT_EQ(client.bottom, tk::scaleFrom96Dpi(200));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    EXPECT_EQ(font, tk::FontCache::instance().get(tk::Font{}, tk::systemDpi()));
    LOGFONTW described{};
    GetObjectW(font, sizeof described, &described);
    EXPECT_EQ(described.lfHeight, -tk::scaleFrom96Dpi(12));
    EXPECT_EQ(described.lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(ToolkitWin32ControlsTest, MissingFontFallsBackToAJapaneseFace) {
    tk::Font wanted;
    std::wstring face =
        tk::FontCache::faceOf(tk::FontCache::instance().get(wanted, tk::systemDpi()));
    EXPECT_FALSE(face.empty());
    tk::Font missing{"Lumaro No Such Face", 12, tk::kShiftJisCharset};
    HFONT fallback = tk::FontCache::instance().get(missing, tk::systemDpi());
    LOGFONTW described{};
    GetObjectW(fallback, sizeof described, &described);
    EXPECT_STRNE(described.lfFaceName, L"Lumaro No Such Face");
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, fallback);
    EXPECT_EQ(GetTextCharset(screen), SHIFTJIS_CHARSET);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
}

TEST_F(ToolkitWin32ControlsTest, TypedCharactersPassTheKeyPressEventAndReachTheText) {
    edit.onKeyPress = [](char32_t& key) {
        if (key == U'x')
            key = 0;
    };
    HWND window = hwnd(edit);
    for (wchar_t key : std::wstring(L"axbé"))
        SendMessageW(window, WM_CHAR, key, 1);
    EXPECT_EQ(textOf(window), L"abé");
    EXPECT_EQ(edit.text(), "abé");
    edit.setText("ホットキー");
    EXPECT_EQ(textOf(window), L"ホットキー");
}

TEST_F(ToolkitWin32ControlsTest, ReadOnlyAndColourReachTheWindow) {
    HWND window = hwnd(edit);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & ES_READONLY, 0);
    edit.setReadOnly(true);
    edit.setColor(tk::SysColor::BtnFace);
    EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & ES_READONLY, 0);
    HDC dc = GetDC(window);
    LRESULT brush = SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(window, dc);
}

TEST_F(ToolkitWin32ControlsTest, ClicksReachButtonsPanelsAndRadioButtons) {
    std::vector<std::string> clicks;
    tk::RadioButton first{"First", panel}, second{"Second", panel};
    first.setBounds({10, 80, 100, 17});
    second.setBounds({10, 100, 100, 17});
    button.onClick = [&] { clicks.push_back("button"); };
    panel.onClick = [&] { clicks.push_back("panel"); };
    second.onClick = [&] { clicks.push_back("second"); };
    first.setChecked(true);
    form.show();
    SendMessageW(hwnd(button), BM_CLICK, 0, 0);
    SendMessageW(hwnd(second), BM_CLICK, 0, 0);
    SendMessageW(hwnd(panel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 150));
    SendMessageW(hwnd(panel), WM_LBUTTONUP, 0, MAKELPARAM(250, 150));
    EXPECT_EQ(clicks, (std::vector<std::string>{"button", "second", "panel"}));
    EXPECT_EQ(SendMessageW(hwnd(first), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(hwnd(second), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ToolkitWin32ControlsTest, RadioGroupButtonsAreChildrenOfItsWindow) {
    tk::RadioGroup group{"Group", panel};
    group.setBounds({10, 70, 200, 60});
    group.setItems({"通常", "最小化"});
    group.setItemIndex(1);
    HWND item = hwnd(*group.button(1));
    EXPECT_EQ(GetParent(item), hwnd(group));
    EXPECT_EQ(textOf(item), L"最小化");
    EXPECT_EQ(SendMessageW(item, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(hwnd(*group.button(0)), BM_CLICK, 0, 0);
    EXPECT_EQ(group.itemIndex(), 0);
}

TEST_F(ToolkitWin32ControlsTest, UpDownArrowsStepTheObjectWithinItsRange) {
    tk::UpDown upDown{"UpDown", panel};
    upDown.setBounds({110, 10, 24, 20});
    upDown.setRange(10, 12);
    upDown.setAssociate(&edit);
    form.show();
    HWND arrows = hwnd(upDown);
    RECT client;
    GetClientRect(arrows, &client);
    EXPECT_EQ(rectIn(arrows).right - rectIn(arrows).left, tk::scaleFrom96Dpi(24));
    auto press = [&](int y) {
        SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, y));
        SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, y));
    };
    for (int i = 0; i < 4; ++i)
        press(2);
    EXPECT_EQ(textOf(hwnd(edit)), L"12");
    for (int i = 0; i < 5; ++i)
        press(client.bottom - 2);
    EXPECT_EQ(textOf(hwnd(edit)), L"10");
    EXPECT_EQ(SendMessageW(arrows, UDM_GETPOS32, 0, 0), 10);
}

TEST_F(ToolkitWin32ControlsTest, KeysGoThroughTheToolkitInTheMessageLoop) {
    tk::Edit other{"Other", panel};
    button.setCancel(true);
    int cancels = 0;
    button.onClick = [&] { ++cancels; };
    form.show();
    edit.setFocus();
    ASSERT_EQ(GetFocus(), hwnd(edit));
    PostMessageW(hwnd(edit), WM_KEYDOWN, VK_TAB, 1);
    app.processMessages();
    EXPECT_EQ(GetFocus(), hwnd(button));
    EXPECT_EQ(form.focusedControl(), &button);
    PostMessageW(hwnd(button), WM_KEYDOWN, VK_TAB, 1);
    PostMessageW(hwnd(button), WM_KEYDOWN, VK_ESCAPE, 1);
    app.processMessages();
    EXPECT_EQ(GetFocus(), hwnd(other));
    EXPECT_EQ(cancels, 1);
    PostMessageW(hwnd(other), WM_KEYDOWN, VK_RETURN, 1);
    app.processMessages();
    EXPECT_EQ(textOf(hwnd(other)), L"") << "no control gets Enter";
}

TEST_F(ToolkitWin32ControlsTest, FocusComesBackToTheControlWhenTheFormIsShownAgain) {
    form.show();
    button.setFocus();
    form.hide();
    form.show();
    EXPECT_EQ(GetFocus(), hwnd(button));
}

TEST_F(ToolkitWin32ControlsTest, HintIsTheToolTipOfTheControl) {
    edit.setHint("C:\\Windows\\notepad.exe");
    form.handle();
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findToolTip, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), hwnd(form));
    wchar_t text[256] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = hwnd(panel);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd(edit));
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"C:\\Windows\\notepad.exe");
    edit.setHint("D:\\b.exe");
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"D:\\b.exe");
    edit.setHint("");
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    edit.setHint("E:\\c.exe");
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"E:\\c.exe");
}

TEST_F(ToolkitWin32ControlsTest, GlyphButtonShowsItsPictureAndTheGreyOneWhenDisabled) {
    tk::GlyphButton glyph{"Glyph", panel};
    glyph.setBounds({150, 10, 21, 21});
    glyph.setGlyph(tk::Glyph({"rrrr", "rrrr", "rrrr", "rrrr"}, {{'r', 0xFF0000}}));
    form.show();
    HWND window = hwnd(glyph);
    auto centre = [&](HWND redrawn) {
        RedrawWindow(redrawn, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        app.processMessages();
        HDC dc = GetDC(window);
        RECT client;
        GetClientRect(window, &client);
        COLORREF colour = GetPixel(dc, client.right / 2, client.bottom / 2);
        ReleaseDC(window, dc);
        return colour;
    };
    EXPECT_EQ(centre(window), RGB(255, 0, 0));
    EXPECT_EQ(centre(hwnd(form)), RGB(255, 0, 0)) << "the form's erase stays under its children";
    glyph.setEnabled(false);
    EXPECT_EQ(centre(window), GetSysColor(COLOR_BTNSHADOW));
}

// A label made while auto-sized to an empty text, then given a fixed size:
// the window takes the label's bounds, and the text set later shows there.
TEST_F(ToolkitWin32ControlsTest, LabelNoLongerAutoSizedTakesItsBoundsBack) {
    tk::Label label("Label", panel);
    label.setBounds({16, 100, 114, 12});
    HWND window = hwnd(label);
    label.setAutoSize(false);
    label.setCaption("HotKey Combination : ");
    RECT rect = rectIn(window);
    EXPECT_EQ(rect.left, tk::scaleFrom96Dpi(16));
    EXPECT_EQ(rect.right - rect.left, tk::scaleFrom96Dpi(114));
    EXPECT_EQ(rect.bottom - rect.top, tk::scaleFrom96Dpi(12));
}
