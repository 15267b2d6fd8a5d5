// What the end-to-end scripts cannot do with xdotool alone: look at and
// poke the tray icon, the open menu and the hotkey table.
//
//   e2e_tool icon-count            how many windows own a tray icon with id 100
//   e2e_tool icon-delete           deletes those icons
//   e2e_tool taskbar-created       broadcasts "TaskbarCreated"
//   e2e_tool menu-visible          exit 0 when a pop-up menu is open
//   e2e_tool window-visible TITLE  exit 0 when a window so titled is visible
//   e2e_tool close-window TITLE [CLASS]   posts WM_CLOSE to it, hidden or not
//   e2e_tool client-origin TITLE [CLIENT_WIDTH]   screen position of its client area
//   e2e_tool count-visible TITLE [CLIENT_WIDTH]   how many such windows are visible
//   e2e_tool text-at X Y           the text of the window at that screen point
//   e2e_tool enabled-at X Y        exit 0 when that window is enabled
//   e2e_tool readonly-at X Y       exit 0 when that edit is read-only
//   e2e_tool heard-at X Y          what a screen reader hears of that window:
//                                  NAME|ROLE|PRESSED (role as a number, 1 if pressed)
//   e2e_tool menu-keys KEY...      posts keys (up, down, return, escape) to it
//   e2e_tool post-hotkey MODS VK   posts WM_HOTKEY to the icon's owner
//   e2e_tool register-all          registers all 208 Windows-key hotkeys
//   e2e_tool set-event NAME        sets a named event
#include "LumaroTrayIcon.h"

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND openMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Titles come from the wide command line: the ANSI one loses what the code
// page cannot hold.
std::wstring wideArgument(int index) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring argument = arguments && index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return argument;
}

HWND windowTitled(const std::wstring& title) {
    return FindWindowW(nullptr, title.c_str());
}

int windowVisible(const std::wstring& title) {
    HWND window = windowTitled(title);
    return window && IsWindowVisible(window) ? 0 : 1;
}

struct TitleSearch {
    std::wstring title;
    int clientWidth;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTitled(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 255);
    RECT client = {};
    GetClientRect(window, &client);
    if (IsWindowVisible(window) && search->title == text &&
        (search->clientWidth == 0 || client.right == search->clientWidth))
        search->found.push_back(window);
    return TRUE;
}

// The visible top-level windows so titled (and with that client width, if given).
std::vector<HWND> visibleTitled(const std::wstring& title, int clientWidth) {
    TitleSearch search{title, clientWidth, {}};
    EnumWindows(collectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int clientOrigin(const std::wstring& title, int clientWidth) {
    std::vector<HWND> found = visibleTitled(title, clientWidth);
    if (found.empty())
        return 1;
    POINT origin = {0, 0};
    ClientToScreen(found.front(), &origin);
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}

// The innermost visible window at a screen point, disabled ones included
// (WindowFromPoint passes over disabled children).
HWND windowAt(int x, int y) {
    HWND window = WindowFromPoint(POINT{x, y});
    while (window) {
        POINT client{x, y};
        ScreenToClient(window, &client);
        HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
        if (!child || child == window)
            break;
        window = child;
    }
    return window;
}

int textAt(int x, int y) {
    HWND window = windowAt(x, y);
    if (!window)
        return 1;
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1023, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
}

// Through oleacc, as a screen reader asks another program's window.
int heardAt(int x, int y) {
    // The object comes from another process, marshalled through COM.
    CoInitialize(nullptr);
    HWND window = windowAt(x, y);
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    auto fromWindow = reinterpret_cast<FromWindow>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
    IAccessible* object = nullptr;
    if (!window || !fromWindow ||
        FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                          reinterpret_cast<void**>(&object))))
        return 1;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    char utf8[4096] = {};
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        WideCharToMultiByte(CP_UTF8, 0, name, -1, utf8, sizeof utf8, nullptr, nullptr);
        SysFreeString(name);
    }
    VARIANT role{}, state{};
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    std::printf("%s|%ld|%d\n", utf8, role.vt == VT_I4 ? role.lVal : 0L,
                state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_PRESSED) ? 1 : 0);
    object->Release();
    return 0;
}

int readOnlyAt(int x, int y) {
    HWND window = windowAt(x, y);
    return window && (GetWindowLongW(window, GWL_STYLE) & ES_READONLY) ? 0 : 1;
}

int enabledAt(int x, int y) {
    HWND window = windowAt(x, y);
    return window && IsWindowEnabled(window) ? 0 : 1;
}

int closeWindow(const std::wstring& title, const std::wstring& windowClass) {
    HWND window = FindWindowW(windowClass.empty() ? nullptr : windowClass.c_str(), title.c_str());
    return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

UINT keyCode(const char* name) {
    if (!std::strcmp(name, "up"))
        return VK_UP;
    if (!std::strcmp(name, "down"))
        return VK_DOWN;
    if (!std::strcmp(name, "return"))
        return VK_RETURN;
    if (!std::strcmp(name, "escape"))
        return VK_ESCAPE;
    return 0;
}

int menuKeys(int count, char** keys) {
    HWND menu = openMenu();
    if (!menu)
        return 1;
    for (int i = 0; i < count; ++i) {
        UINT vk = keyCode(keys[i]);
        PostMessageA(menu, WM_KEYDOWN, vk, 1);
        PostMessageA(menu, WM_KEYUP, vk, 0xC0000001);
        Sleep(50);
    }
    return 0;
}

int registerAll() {
    HWND window =
        CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    int held = 0;
    for (UINT mods = 0; mods < 8; ++mods)
        for (UINT vk = 'A'; vk <= 'Z'; ++vk)
            if (RegisterHotKey(window, static_cast<int>(mods * 26 + vk - 'A' + 1), MOD_WIN | mods,
                               vk))
                ++held;
    std::printf("%d\n", held);
    return held == 208 ? 0 : 1;
}

int postHotKey(unsigned mods, unsigned vk) {
    std::vector<HWND> owners = lumaroIconOwners();
    for (HWND owner : owners)
        PostMessageA(owner, WM_HOTKEY, 0xC123, MAKELPARAM(mods, vk));
    return owners.empty() ? 1 : 0;
}

int taskbarCreated() {
    UINT msg = RegisterWindowMessageA("TaskbarCreated");
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, msg, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return 0;
}

int iconDelete() {
    for (HWND owner : lumaroIconOwners()) {
        NOTIFYICONDATAA data = lumaroIcon(owner);
        Shell_NotifyIconA(NIM_DELETE, &data);
    }
    return 0;
}

int setEvent(const char* name) {
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
    return event && SetEvent(event) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "icon-count") {
        std::printf("%u\n", static_cast<unsigned>(lumaroIconOwners().size()));
        return 0;
    }
    if (command == "icon-delete")
        return iconDelete();
    if (command == "taskbar-created")
        return taskbarCreated();
    if (command == "menu-visible")
        return openMenu() ? 0 : 1;
    if (command == "window-visible" && argc == 3)
        return windowVisible(wideArgument(2));
    if (command == "client-origin" && argc >= 3)
        return clientOrigin(wideArgument(2), argc > 3 ? std::atoi(argv[3]) : 0);
    if (command == "count-visible" && argc >= 3) {
        std::printf("%u\n",
                    static_cast<unsigned>(
                        visibleTitled(wideArgument(2), argc > 3 ? std::atoi(argv[3]) : 0).size()));
        return 0;
    }
    if (command == "text-at" && argc == 4)
        return textAt(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "heard-at" && argc == 4)
        return heardAt(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "readonly-at" && argc == 4)
        return readOnlyAt(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "enabled-at" && argc == 4)
        return enabledAt(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "close-window" && argc >= 3)
        return closeWindow(wideArgument(2), argc > 3 ? wideArgument(3) : std::wstring());
    if (command == "menu-keys")
        return menuKeys(argc - 2, argv + 2);
    if (command == "post-hotkey" && argc == 4)
        return postHotKey(std::strtoul(argv[2], nullptr, 0), std::strtoul(argv[3], nullptr, 0));
    if (command == "register-all")
        return registerAll();
    if (command == "set-event" && argc == 3)
        return setEvent(argv[2]);
    std::fprintf(stderr, "unknown command\n");
    return 2;
}
