// Two instances of Lumaro saving at once, as two users' clicks on OK would:
//
//   save_race open   opens the definition window of every Lumaro running (the
//                    double click on its icon, sent to each icon's owner)
//   save_race ok [MS]   clicks OK in every definition window shown, the
//                    oldest instance's first, MS milliseconds apart; prints
//                    how many
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kIconId = 100;
constexpr UINT kTrayCallback = WM_USER + 1;
constexpr int kDefinitionClientWidth = 585;

// Changing an icon's tip to what it is proves the window owns the icon.
BOOL CALLBACK openDefinitions(HWND window, LPARAM) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = kIconId;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Lumaro");
    if (Shell_NotifyIconA(NIM_MODIFY, &data))
        PostMessageA(window, kTrayCallback, kIconId, WM_LBUTTONDBLCLK);
    return TRUE;
}

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

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "open") == 0)
        return EnumWindows(openDefinitions, 0) ? 0 : 1;
    if (argc >= 2 && std::strcmp(argv[1], "ok") == 0)
        return pressOk(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0);
    std::fprintf(stderr, "usage: save_race open|ok [MS]\n");
    return 2;
}
