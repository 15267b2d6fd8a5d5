#pragma once
#include "toolkit/Application.h"
#include "toolkit/ScopedBackend.h"
#include "toolkit/win32/Win32Backend.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

// The toolkit on the real API, with a message box that records instead of
// waiting for someone to press OK.
class ToolkitWin32Test : public ::testing::Test {
protected:
    struct Box {
        HWND owner;
        std::wstring text;
        std::wstring caption;
        UINT type;
    };

    ToolkitWin32Test() {
        backend.setMessageBoxFunction(
            [this](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
                boxes.push_back({owner, text, caption, type});
                return IDOK;
            });
    }
    ~ToolkitWin32Test() override { userStep() = nullptr; }
    void SetUp() override { drainQueue(); }
    void TearDown() override { drainQueue(); }

    // Runs `modal`, a loop only the user ends, with the user played from a
    // timer: `step` runs once the loop is up, and may play again later. A
    // watchdog ends a loop that the user failed to end.
    template <class Modal>
    static auto withUser(std::function<void()> step, Modal modal, UINT giveUpAfterMs = 10000) {
        userStep() = std::move(step);
        playUserLater();
        UINT_PTR watchdog = SetTimer(nullptr, 0, giveUpAfterMs, giveUp);
        auto result = modal();
        KillTimer(nullptr, watchdog);
        return result;
    }
    static void playUserLater() { SetTimer(nullptr, 0, 50, playUser); }

    // Leaves no message, WM_QUIT included, for the next test. A window left
    // to paint keeps giving WM_PAINT; letting it paint, as a message loop
    // does, ends that.
    static void drainQueue() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_PAINT)
                DispatchMessageW(&message);
        }
    }

    // Holds a key down: the first press, then its auto-repeats (bit 30 of
    // lParam set), each to where the keyboard focus is by then, as the system
    // sends them; then the release.
    void hold(WPARAM key, int repeats) {
        for (int i = 0; i <= repeats; ++i) {
            PostMessageW(GetFocus(), WM_KEYDOWN, key, i == 0 ? 1 : 0x40000001);
            app.processMessages();
        }
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        app.processMessages();
    }

    // The width of the image of the window's icon of that size (ICON_SMALL,
    // ICON_BIG); 0 without one.
    static int iconWidthOf(HWND window, WPARAM which) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
        ICONINFO info{};
        if (!icon || !GetIconInfo(icon, &info))
            return 0;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bitmap.bmWidth;
    }

    std::vector<Box> boxes;
    tk::Win32Backend backend;
    tk::ScopedBackend scope{backend};
    tk::Application& app = tk::Application::instance();

private:
    static std::function<void()>& userStep() {
        static std::function<void()> step;
        return step;
    }
    static void CALLBACK playUser(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (userStep())
            userStep()();
    }
    static void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }
};

inline HWND hwndOf(platform::Handle handle) {
    return reinterpret_cast<HWND>(handle);
}
