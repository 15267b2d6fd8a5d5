#include "ToolkitWin32Fixture.h"

#include "toolkit/Form.h"
#include "toolkit/win32/Dpi.h"
#include "ui/ResourceIds.h"

#include <stdexcept>

namespace {

constexpr UINT kTrayNotify = WM_USER + 1;
constexpr UINT kFailing = WM_APP + 7;

class RecordingForm : public tk::Form {
public:
    RecordingForm() : Form("TrayForm") {}
    std::vector<UINT> seen;

protected:
    bool beforeToolkit(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t& result) override {
        if (msg >= WM_USER)
            seen.push_back(msg);
        if (msg == kFailing)
            throw std::runtime_error("ハンドラが失敗しました");
        if (msg != kTrayNotify)
            return Form::beforeToolkit(msg, wParam, lParam, result);
        result = lParam;
        return true;
    }
};

bool watchdogFired = false;

void CALLBACK endTheLoop(HWND, UINT, UINT_PTR, DWORD) {
    watchdogFired = true;
    PostQuitMessage(0);
}

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

} // namespace

TEST_F(ToolkitWin32Test, FormIsAHiddenTopLevelWindowOwnedByTheHiddenApplicationWindow) {
    app.setTitle("Lumaro");
    app.initialize();
    HWND owner = hwndOf(app.handle());
    HWND form = hwndOf(app.createForm<RecordingForm>().handle());

    ASSERT_TRUE(IsWindow(form));
    EXPECT_FALSE(IsWindowVisible(form));
    EXPECT_EQ(GetAncestor(form, GA_PARENT), GetDesktopWindow()) << "not message-only";
    EXPECT_EQ(GetWindow(form, GW_OWNER), owner);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetAncestor(owner, GA_PARENT), GetDesktopWindow());
    EXPECT_NE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(textOf(owner), L"Lumaro");
}

TEST_F(ToolkitWin32Test, FormIsNotADialogSoWmUserPlusOneIsItsOwn) {
    RecordingForm form;
    HWND window = hwndOf(form.handle());
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STRNE(className, L"#32770");
    EXPECT_EQ(GetClassLongW(window, GCL_CBWNDEXTRA), 0u);
    EXPECT_EQ(SendMessageW(window, kTrayNotify, 100, WM_RBUTTONDOWN), WM_RBUTTONDOWN);
    EXPECT_EQ(form.seen, std::vector<UINT>{kTrayNotify});
}

TEST_F(ToolkitWin32Test, CaptionBoundsAndVisibilityReachTheWindow) {
    tk::Form form("DefineForm");
    form.setCaption("ホットキー定義");
    form.setBounds({10, 20, 300, 200});
    HWND window = hwndOf(form.handle());
    EXPECT_EQ(textOf(window), L"ホットキー定義");
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, tk::scaleFrom96Dpi(10));
    EXPECT_EQ(rect.top, tk::scaleFrom96Dpi(20));
    EXPECT_EQ(rect.right - rect.left, tk::scaleFrom96Dpi(300));
    EXPECT_EQ(rect.bottom - rect.top, tk::scaleFrom96Dpi(200));

    form.setCaption("Lumaro");
    EXPECT_EQ(textOf(window), L"Lumaro");
    form.show();
    EXPECT_TRUE(IsWindowVisible(window));
    form.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(window));
    form.hide();
    EXPECT_FALSE(IsWindowVisible(window));
}

namespace {

bool isAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(lower, GW_HWNDPREV); window;
         window = GetWindow(window, GW_HWNDPREV))
        if (window == upper)
            return true;
    return false;
}

} // namespace

// A first show raises the window without a separate raise; a show of a
// visible window raises it.
TEST_F(ToolkitWin32Test, ShowPutsTheFormAboveTheOthersFirstAndAgain) {
    tk::Form& form = app.createForm<tk::Form>("DefineForm");
    tk::Form& other = app.createForm<tk::Form>("AboutForm");
    other.show();
    form.show();
    HWND window = hwndOf(form.handle()), otherWindow = hwndOf(other.handle());
    EXPECT_TRUE(isAbove(window, otherWindow));
    other.show();
    EXPECT_TRUE(isAbove(otherWindow, window));
    form.show();
    EXPECT_TRUE(isAbove(window, otherWindow));
}

TEST_F(ToolkitWin32Test, HiddenFormReceivesTheTaskbarCreatedBroadcast) {
    UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_NE(taskbarCreated, 0u);
    RecordingForm form;
    form.handle();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    app.processMessages();
    EXPECT_EQ(form.seen, std::vector<UINT>{taskbarCreated});
}

TEST_F(ToolkitWin32Test, ExceptionInAMessageHandlerStaysInTheProgramAndIsShown) {
    app.setTitle("Lumaro");
    RecordingForm form;
    HWND window = hwndOf(form.handle());
    EXPECT_EQ(SendMessageW(window, kFailing, 0, 0), 0);
    PostMessageW(window, kFailing, 0, 0);
    PostMessageW(window, kTrayNotify, 0, 0);
    app.processMessages();
    EXPECT_EQ(form.seen, (std::vector<UINT>{kFailing, kFailing, kTrayNotify}));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"ハンドラが失敗しました");
    EXPECT_EQ(boxes[0].caption, L"Lumaro");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST_F(ToolkitWin32Test, CloseBoxOfTheMainFormEndsTheMessageLoop) {
    tk::Form& main = app.createForm<tk::Form>("MainForm");
    tk::Form& other = app.createForm<tk::Form>("OtherForm");
    app.setShowMainForm(false);
    other.show();
    PostMessageW(hwndOf(other.handle()), WM_CLOSE, 0, 0);
    PostMessageW(hwndOf(main.handle()), WM_CLOSE, 0, 0);
    watchdogFired = false;
    UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, endTheLoop);
    app.run();
    KillTimer(nullptr, watchdog);
    EXPECT_FALSE(watchdogFired);
    EXPECT_TRUE(app.terminated());
    EXPECT_TRUE(IsWindow(hwndOf(main.handle()))) << "closing ends the loop, not the window";
    EXPECT_FALSE(IsWindowVisible(hwndOf(other.handle())));
}

// The caption shows the small one, the task switcher the large one.
TEST_F(ToolkitWin32Test, FormWindowHasItsIconInBothSizes) {
    tk::Form form("AboutForm");
    form.setIcon(LUMARO_ICON_PROGRAM);
    HWND window = hwndOf(form.handle());
    auto icon = [&](WPARAM size) {
        return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, size, 0));
    };
    EXPECT_EQ(icon(ICON_SMALL), reinterpret_cast<HICON>(form.iconHandle()));
    EXPECT_EQ(icon(ICON_BIG), reinterpret_cast<HICON>(form.largeIconHandle()));
    EXPECT_EQ(iconWidthOf(window, ICON_SMALL), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(iconWidthOf(window, ICON_BIG), GetSystemMetrics(SM_CXICON));
}

// Each size Windows asks for, small icons up to 400 % and large ones up to
// 200 %, is drawn, never stretched from another.
TEST_F(ToolkitWin32Test, IconsHoldAnImageOfEachSizeTheSystemAsksFor) {
    auto type = [](LPSTR id) { return reinterpret_cast<LPCWSTR>(id); };
    for (int resource : {LUMARO_ICON_PROGRAM, LUMARO_ICON_TRAY}) {
        HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(resource), type(RT_GROUP_ICON));
        ASSERT_TRUE(group);
        auto* directory = static_cast<PBYTE>(LockResource(LoadResource(nullptr, group)));
        for (int size : {16, 20, 24, 32, 40, 48, 64}) {
            int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
            HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type(RT_ICON));
            ASSERT_TRUE(image) << size;
            auto* header =
                static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
            EXPECT_EQ(header->biWidth, size) << resource;
        }
    }
}

TEST_F(ToolkitWin32Test, MissingIconResourceLeavesNoIcon) {
    tk::Form form("TrayForm");
    form.setIcon(4242);
    EXPECT_EQ(form.iconHandle(), 0u);
    EXPECT_EQ(form.largeIconHandle(), 0u);
    EXPECT_EQ(form.iconResource(), 4242);
    EXPECT_NE(form.handle(), 0u);
}

TEST_F(ToolkitWin32Test, FreedFormTakesItsWindowWithIt) {
    HWND window;
    {
        RecordingForm form;
        window = hwndOf(form.handle());
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}
