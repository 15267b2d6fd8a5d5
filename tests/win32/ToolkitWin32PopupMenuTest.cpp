#include "ToolkitWin32Fixture.h"

#include "toolkit/Form.h"
#include "toolkit/PopupMenu.h"

namespace {

// Plays the user of a menu from a timer, as the menu's own loop dispatches
// timer messages: reads the items, then either presses the given keys or
// dismisses the menu.
struct MenuUser {
    static inline std::vector<WPARAM> keys;
    static inline std::vector<std::wstring> seen;
    static inline int ticks = 0;

    static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND window = FindWindowW(L"#32768", nullptr);
        if (!window || !IsWindowVisible(window)) {
            if (++ticks > 100)
                EndMenu();
            return;
        }
        KillTimer(nullptr, timer);
        read(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)));
        if (keys.empty())
            EndMenu();
        for (WPARAM key : keys)
            PostMessageW(window, WM_KEYDOWN, key, 0);
    }

    static void read(HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
            seen.push_back(text);
        }
    }

    static void start(std::vector<WPARAM> pressed) {
        keys = std::move(pressed);
        seen.clear();
        ticks = 0;
        SetTimer(nullptr, 0, 50, tick);
    }
};

class ToolkitWin32PopupMenuTest : public ToolkitWin32Test {
protected:
    tk::Form& form = app.createForm<tk::Form>("TrayForm");
    tk::PopupMenu menu{"MainPopupMenu", form};
    std::vector<std::string> clicked;

    void SetUp() override {
        ToolkitWin32Test::SetUp();
        for (auto [name, caption] : {std::pair{"DefineMenuItem", "定義 ..."}, std::pair{"N1", "-"},
                                     std::pair{"ExitMenuItem", "終了"}})
            menu.add(name, caption, [this, name = std::string(name)] { clicked.push_back(name); });
    }

    bool nullMessageWaits() {
        MSG message;
        return PeekMessageW(&message, hwndOf(form.handle()), WM_NULL, WM_NULL, PM_REMOVE);
    }
};

} // namespace

TEST_F(ToolkitWin32PopupMenuTest, ChosenItemIsClickedAndTheOwnerGetsANullMessage) {
    MenuUser::start({VK_DOWN, VK_DOWN, VK_RETURN});
    menu.popup(200, 200);
    EXPECT_EQ(MenuUser::seen, (std::vector<std::wstring>{L"定義 ...", L"", L"終了"}));
    EXPECT_EQ(clicked, std::vector<std::string>{"ExitMenuItem"}) << "the separator is skipped";
    EXPECT_TRUE(nullMessageWaits());
}

TEST_F(ToolkitWin32PopupMenuTest, DismissedMenuClicksNothing) {
    MenuUser::start({});
    menu.popup(200, 200);
    EXPECT_EQ(MenuUser::seen.size(), 3u);
    EXPECT_TRUE(clicked.empty());
    EXPECT_TRUE(nullMessageWaits());
}
