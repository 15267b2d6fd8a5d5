#include "ToolkitWin32Fixture.h"

#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/win32/Dpi.h"

namespace {

// A modal form whose user is played from a timer, inside the modal loop.
class Dialog : public tk::Form {
public:
    Dialog() : Form("Dialog") {
        setBorderStyle(tk::BorderStyle::Dialog);
        setStayOnTop(true);
        setPosition(tk::FormPosition::ScreenCenter);
        setClientSize(200, 100);
        ok.setBounds({10, 60, 75, 25});
        cancel.setBounds({100, 60, 75, 25});
        cancel.setCancel(true);
        ok.onClick = [this] { setModalResult(tk::ModalResult::Ok); };
        cancel.onClick = [this] { setModalResult(tk::ModalResult::Cancel); };
    }
    tk::Button ok{"OKButton", *this};
    tk::Button cancel{"CancelButton", *this};
};

class ToolkitWin32ModalTest : public ToolkitWin32Test {
protected:
    tk::ModalResult runWith(std::function<void()> step) {
        return withUser(
            std::move(step), [this] { return dialog.showModal(); }, 5000);
    }

    tk::Form& main = app.createForm<tk::Form>("Main");
    Dialog& dialog = app.createForm<Dialog>();
};

} // namespace

TEST_F(ToolkitWin32ModalTest, ModalLoopRunsWithTheOtherFormsDisabledUntilAResultIsSet) {
    main.show();
    bool mainEnabled = true;
    bool dialogVisible = false;
    tk::ModalResult result = runWith([&] {
        mainEnabled = IsWindowEnabled(hwndOf(main.handle()));
        dialogVisible = IsWindowVisible(hwndOf(dialog.handle()));
        dialog.ok.setFocus();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
    });
    EXPECT_EQ(result, tk::ModalResult::Ok);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(dialogVisible);
    EXPECT_TRUE(IsWindowEnabled(hwndOf(main.handle())));
    EXPECT_FALSE(IsWindowVisible(hwndOf(dialog.handle())));
}

TEST_F(ToolkitWin32ModalTest, EscapeAndTheCloseBoxEndItWithCancel) {
    HWND window = hwndOf(dialog.handle());
    EXPECT_EQ(runWith([&] { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1); }),
              tk::ModalResult::Cancel);
    EXPECT_EQ(runWith([&] { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              tk::ModalResult::Cancel);
    EXPECT_FALSE(app.terminated());
}

TEST_F(ToolkitWin32ModalTest, QuitRequestEndsTheModalLoopAndStaysForTheOuterOne) {
    EXPECT_EQ(runWith([] { PostQuitMessage(3); }), tk::ModalResult::Cancel);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(ToolkitWin32ModalTest, DialogIsAFixedTopmostWindowCentredOnTheScreen) {
    RECT window{}, client{};
    bool topmost = false;
    LONG style = 0;
    runWith([&] {
        HWND hwnd = hwndOf(dialog.handle());
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        style = GetWindowLongW(hwnd, GWL_STYLE);
        topmost = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        dialog.cancel.click();
    });
    EXPECT_TRUE(topmost);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(client.right, tk::scaleFrom96Dpi(200));
    EXPECT_EQ(client.bottom, tk::scaleFrom96Dpi(100));
    int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}
