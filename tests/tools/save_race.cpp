// Two instances of Lumaro saving at once, as two users' clicks on OK would:
//
//   save_race open   opens the definition window of every Lumaro running (the
//                    double click on its icon, sent to each icon's owner)
//   save_race ok [MS]   clicks OK in every definition window shown, the
//                    oldest instance's first, MS milliseconds apart; prints
//                    how many
#include "LumaroTrayIcon.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;
constexpr int kDefinitionClientWidth = 585;

BOOL CALLBACK findOk(HWND child, LPARAM param) {
    char text[8] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::strcmp(text, "OK") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
}

BOOL CALLBACK collectOk(HWND window, LPARAM param) {
    char title[16] = {};
    GetWindowTextA(window, title, sizeof title);
    RECT client = {};
    GetClientRect(window, &client);
    HWND ok = nullptr;
    if (IsWindowVisible(window) && std::strcmp(title, "Lumaro") == 0 &&
        client.right == kDefinitionClientWidth) {
        EnumChildWindows(window, findOk, reinterpret_cast<LPARAM>(&ok));
        if (ok)
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(ok);
    }
    return TRUE;
}

ULONGLONG startOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    FILETIME created = {}, unused[3];
    if (process) {
        GetProcessTimes(process, &created, &unused[0], &unused[1], &unused[2]);
        CloseHandle(process);
    }
    return ULARGE_INTEGER{{created.dwLowDateTime, created.dwHighDateTime}}.QuadPart;
}

// Found first and clicked after, so that nothing but the delay comes between.
int pressOk(DWORD apart) {
    std::vector<HWND> buttons;
    EnumWindows(collectOk, reinterpret_cast<LPARAM>(&buttons));
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return startOf(a) < startOf(b); });
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0)
            Sleep(apart);
        PostMessageA(GetParent(buttons[i]), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(buttons[i]), BN_CLICKED),
                     reinterpret_cast<LPARAM>(buttons[i]));
    }
    std::printf("%u\n", static_cast<unsigned>(buttons.size()));
    return buttons.empty() ? 1 : 0;
}

// A double-click on the icon of each Lumaro opens its definition window.
int openDefinitions() {
    for (HWND owner : lumaroIconOwners())
        PostMessageA(owner, kTrayCallback, kLumaroIconId, WM_LBUTTONDBLCLK);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "open") == 0)
        return openDefinitions();
    if (argc >= 2 && std::strcmp(argv[1], "ok") == 0)
        return pressOk(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0);
    std::fprintf(stderr, "usage: save_race open|ok [MS]\n");
    return 2;
}
