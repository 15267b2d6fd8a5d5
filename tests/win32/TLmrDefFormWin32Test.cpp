#include "LayoutCheck.h"
#include "ScreenReader.h"
#include "ToolkitWin32Fixture.h"

#include "ui/TLmrDefForm.h"

using layout::Fit;

namespace {

// The tests see the screen as Lumaro.exe does, whose manifest declares it
// aware of each monitor's DPI: at 144 DPI nothing is scaled behind their
// back, and a window's DPI is the one the system gives that window. A system
// without per-monitor awareness makes them aware of the system DPI.
bool becomeDpiAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    const auto perMonitorV2 =
        reinterpret_cast<HANDLE>(-4); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    return setContext ? setContext(perMonitorV2) : SetProcessDPIAware();
}
const bool dpiAware = becomeDpiAware();

} // namespace

TEST_F(ToolkitWin32Test, DefinitionWindowIsLaidOutAndEveryCaptionPainted) {
    auto& form = app.createForm<TLmrDefForm>();
    form.show();
    std::vector<layout::Placement> places = {
        {"Panel1", "LmrDefForm", {0, 0, 585, 448}},
        {"CombinationLabel", "Panel1", {16, 416, 114, 12}, Fit::Box, true},
        {"CtrlButtonPanel", "Panel1", {130, 414, 57, 21}, Fit::Box, true},
        {"AltButtonPanel", "Panel1", {188, 414, 57, 21}, Fit::Box, true},
        {"ShiftButtonPanel", "Panel1", {246, 414, 57, 21}, Fit::Box, true},
        {"OkButton", "Panel1", {360, 416, 75, 25}, Fit::Box, true},
        {"CancelButton", "Panel1", {448, 416, 75, 25}, Fit::Box, true},
    };
    for (int i = 0; i < TLmrDefForm::kRows; ++i) {
        std::string letter(1, static_cast<char>('A' + i)), panel = "KeyPanel" + letter;
        places.push_back({panel, "Panel1", {i < 13 ? 8 : 296, 4 + 31 * (i % 13), 281, 29}});
        places.push_back({"KeyLabel" + letter, panel, {8, 8, 0, 12}, Fit::LeftEdge, true});
        places.push_back({"KeyEdit" + letter, panel, {20, 4, 230, 20}});
        places.push_back({"KeyFolderButton" + letter, panel, {256, 4, 21, 21}, Fit::Box, true});
    }
    layout::expectLaidOut(form, places);
    RECT client;
    GetClientRect(hwndOf(form.handle()), &client);
    EXPECT_EQ(client.right, layout::scaled(585));
    EXPECT_EQ(client.bottom, layout::scaled(448));
}

// A held Enter walks a row to OK, as a press does, and stops there: had a
// repeat pressed OK, the window would save and hide under the user's finger.
TEST_F(ToolkitWin32Test, HeldEnterOrSpaceInTheDefinitionWindowNeverPressesOk) {
    auto& form = app.createForm<TLmrDefForm>();
    int pressed = 0;
    form.OkButton.onClick = [&] { ++pressed; };
    form.show();
    form.editOf('C')->setFocus();
    hold(VK_RETURN, 30);
    EXPECT_EQ(GetFocus(), hwndOf(form.OkButton.handle()));
    hold(VK_SPACE, 0);
    EXPECT_EQ(pressed, 1) << "the first press of Space";
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x40000001);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 0x40000001);
    app.processMessages();
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(IsWindowVisible(hwndOf(form.handle())));
}

// Tab from Z's ellipsis reaches the CTRL toggle; Space toggles it once,
// however long it is held; the focus stays and shows on it.
TEST_F(ToolkitWin32Test, TabReachesThePageTogglesAndSpaceTogglesTheFocusedOne) {
    auto& form = app.createForm<TLmrDefForm>();
    form.show();
    EXPECT_EQ(GetFocus(), hwndOf(form.editOf('A')->handle())) << "opens on its first tab stop";
    HWND ctrl = hwndOf(form.CtrlButtonPanel.handle());
    HWND formWindow = hwndOf(form.handle());
    RECT inside = layout::rectIn(ctrl, formWindow);
    auto picture = [&] {
        layout::Snapshot shot(formWindow);
        std::vector<COLORREF> pixels;
        for (LONG y = inside.top; y < inside.bottom; ++y)
            for (LONG x = inside.left; x < inside.right; ++x)
                pixels.push_back(shot.at(x, y));
        return pixels;
    };
    std::vector<COLORREF> unfocused = picture();
    form.buttonOf('Z')->setFocus();
    hold(VK_TAB, 0);
    ASSERT_EQ(GetFocus(), ctrl);
    hold(VK_SPACE, 10);
    EXPECT_TRUE(form.pageIsCtrl());
    EXPECT_EQ(GetFocus(), ctrl);
    hold(VK_SPACE, 0);
    EXPECT_FALSE(form.pageIsCtrl());
    EXPECT_NE(picture(), unfocused) << "a focus cue is drawn";
    hold(VK_TAB, 0);
    EXPECT_EQ(GetFocus(), hwndOf(form.AltButtonPanel.handle()));
}

// Read as a screen reader reads it, through oleacc: each row's edit and
// button by its combination, renamed by a page switch; the page toggles as
// toggle buttons with their pressed state.
TEST_F(ToolkitWin32Test, AScreenReaderHearsEachRowsCombinationAndThePressedToggles) {
    auto& form = app.createForm<TLmrDefForm>();
    form.show();
    HWND ctrl = hwndOf(form.CtrlButtonPanel.handle());
    for (int page = 0; page < 2; ++page) {
        std::wstring modifiers = page ? L"[CTRL] + " : L"";
        for (char letter : {'A', 'Q', 'Z'}) {
            std::wstring name = L"[Windows] + " + modifiers + wchar_t(letter);
            Heard edit = hear(hwndOf(form.editOf(letter)->handle()));
            EXPECT_TRUE(edit.answered);
            EXPECT_EQ(edit.name, name);
            EXPECT_EQ(hear(hwndOf(form.buttonOf(letter)->handle())).name, name);
        }
        Heard toggle = hear(ctrl);
        EXPECT_EQ(toggle.name, L"CTRL");
        EXPECT_EQ(toggle.role, ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ((toggle.state & STATE_SYSTEM_PRESSED) != 0, page == 1);
        EXPECT_NE(toggle.state & STATE_SYSTEM_FOCUSABLE, 0);
        form.CtrlButtonPanelClick();
    }
    EXPECT_EQ(hear(hwndOf(form.ShiftButtonPanel.handle())).name, L"SHIFT");
}

namespace {

// A dark scheme for this process, as a high-contrast user has it; the
// colours come back at the end.
class DarkScheme {
public:
    DarkScheme() {
        for (int i = 0; i < 3; ++i)
            saved_[i] = GetSysColor(kElements[i]);
        const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 255, 0)};
        SetSysColors(3, kElements, dark);
    }
    ~DarkScheme() { SetSysColors(3, kElements, saved_); }
    DarkScheme(const DarkScheme&) = delete;
    DarkScheme& operator=(const DarkScheme&) = delete;

private:
    static constexpr int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT};
    COLORREF saved_[3];
};

} // namespace

// Black on black was the ellipsis under a dark scheme: the glyphs are in the
// button-text colour, embossed in the 3-D colours when disabled, and a
// disabled label in the disabled-text colour.
TEST_F(ToolkitWin32Test, UnderADarkSchemeGlyphsAndDisabledLabelsShow) {
    DarkScheme scheme;
    auto& form = app.createForm<TLmrDefForm>();
    form.setRowUsable('B', false);
    form.show();
    layout::Snapshot shot(hwndOf(form.handle()));
    auto area = [&](tk::Control* control) { return shot.captionArea(hwndOf(control->handle())); };
    EXPECT_GE(shot.count(area(form.buttonOf('A')), RGB(255, 255, 255)), 4);
    EXPECT_GE(shot.count(area(form.buttonOf('B')), GetSysColor(COLOR_BTNSHADOW)), 4);
    EXPECT_GE(shot.count(area(form.labelOf('B')), RGB(0, 255, 0)), 4);
    EXPECT_GE(shot.count(area(&form.CombinationLabel), RGB(255, 255, 255)), 4);
}
