#include "fakes/FakeShell.h"

#include <gtest/gtest.h>

#include <cstring>

// The shell's rules the fake keeps, as the program's tests rely on them.
namespace {

using namespace platform;

NotifyIconDataA iconData(Handle hwnd, unsigned id, unsigned flags, const char* tip) {
    NotifyIconDataA data{};
    data.cbSize = kNotifyIconDataASize;
    data.hWnd = hwnd;
    data.uID = id;
    data.uFlags = flags;
    data.uCallbackMessage = 0x401;
    data.hIcon = 0x77;
    std::strncpy(data.szTip, tip, sizeof data.szTip - 1);
    return data;
}

} // namespace

TEST(FakeShell, TrayIconsFollowAddModifyDeleteRules) {
    FakeShell shell;
    NotifyIconDataA add = iconData(0x100, 100, kNifMessage | kNifIcon | kNifTip, "Lumaro");
    EXPECT_FALSE(shell.Shell_NotifyIconA(kNimModify, &add));
    EXPECT_FALSE(shell.Shell_NotifyIconA(kNimDelete, &add));
    EXPECT_TRUE(shell.Shell_NotifyIconA(kNimAdd, &add));
    EXPECT_FALSE(shell.Shell_NotifyIconA(kNimAdd, &add));
    NotifyIconDataA other = iconData(0x100, 101, kNifIcon, "");
    EXPECT_TRUE(shell.Shell_NotifyIconA(kNimAdd, &other));

    NotifyIconDataA tipOnly = iconData(0x100, 100, kNifTip, "New tip");
    tipOnly.uCallbackMessage = 0x999;
    EXPECT_TRUE(shell.Shell_NotifyIconA(kNimModify, &tipOnly));
    const FakeShell::Icon* icon = shell.icon(0x100, 100);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->tip, "New tip");
    EXPECT_EQ(icon->callbackMessage, 0x401u);
    EXPECT_EQ(icon->icon, 0x77u);

    NotifyIconIdentifier which{kNotifyIconIdentifierSize, 0x100, 100, {}};
    ScreenRect at;
    EXPECT_EQ(shell.Shell_NotifyIconGetRect(&which, &at), 0);
    EXPECT_EQ(at.right - at.left, 16);
    EXPECT_FALSE(shell.notificationAreaFocused());
    EXPECT_TRUE(shell.Shell_NotifyIconA(kNimSetFocus, &add));
    EXPECT_TRUE(shell.notificationAreaFocused());

    EXPECT_TRUE(shell.Shell_NotifyIconA(kNimDelete, &add));
    EXPECT_EQ(shell.icon(0x100, 100), nullptr);
    EXPECT_EQ(shell.iconCount(), 1u);
    EXPECT_NE(shell.Shell_NotifyIconGetRect(&which, &at), 0) << "a deleted icon has no place";
    EXPECT_FALSE(shell.Shell_NotifyIconA(kNimSetFocus, &add));
}

TEST(FakeShell, WindowsAreFoundByClassWithoutCaseAndDestroyedOnesRefusePosts) {
    FakeShell shell;
    Handle progman = shell.addWindow("Progman", "Program Manager");
    EXPECT_EQ(shell.FindWindowA("ProgMan", nullptr), progman);
    EXPECT_EQ(shell.FindWindowA(nullptr, "program manager"), progman);
    EXPECT_EQ(shell.FindWindowA("ProgMan", "Other"), 0u);

    EXPECT_TRUE(shell.PostMessageA(progman, 0x312, 3, 0));
    shell.destroyWindow(progman);
    EXPECT_EQ(shell.FindWindowA("ProgMan", nullptr), 0u);
    EXPECT_FALSE(shell.PostMessageA(progman, 0x312, 4, 0));
    ASSERT_EQ(shell.posts().size(), 2u);
    EXPECT_EQ(shell.posts()[0].wParam, 3u);
    EXPECT_TRUE(shell.posts()[0].delivered);
    EXPECT_FALSE(shell.posts()[1].delivered);
}

TEST(FakeShell, LaunchesKeepNullAndEmptyArgumentsApart) {
    FakeShell shell;
    shell.ShellExecuteA(0x100, "Open", "C:\\My Files\\a b.txt", "", nullptr, 3);
    ASSERT_EQ(shell.launches().size(), 1u);
    const FakeShell::Launch& launch = shell.launches()[0];
    EXPECT_EQ(launch.file, "C:\\My Files\\a b.txt");
    EXPECT_EQ(launch.params, "");
    EXPECT_EQ(launch.dir, std::nullopt);
    EXPECT_EQ(launch.show, 3);
    shell.failFunction("ShellExecuteA");
    EXPECT_LE(shell.ShellExecuteA(0, "Open", "x", "", "", 5), 32);
}
