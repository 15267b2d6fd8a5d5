// The floor for Lumaro's start-up: a minimal Win32 program that makes the
// same 208 atom and probe calls, adds a tray icon and waits for messages.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void probeAll(HWND window) {
    static const char* const kSuffix[] = {"",      "_shift",      "_alt",      "_alt_shift",
                                          "_ctrl", "_ctrl_shift", "_ctrl_alt", "_ctrl_alt_shift"};
    static const UINT kMods[] = {8, 12, 9, 13, 10, 14, 11, 15};
    for (int set = 0; set < 8; ++set)
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            std::string name = std::string("Minimal_") + letter + kSuffix[set];
            ATOM atom = GlobalAddAtomA(name.c_str());
            if (atom && RegisterHotKey(window, atom, kMods[set], static_cast<UINT>(letter)))
                UnregisterHotKey(window, atom);
        }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.lpszClassName = "MinimalTray";
    RegisterClassA(&cls);
    HWND window = CreateWindowA("MinimalTray", "Minimal", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, instance, nullptr);
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 100;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER + 1;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpyA(data.szTip, "Minimal");
    Shell_NotifyIconA(NIM_ADD, &data);
    probeAll(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    Shell_NotifyIconA(NIM_DELETE, &data);
    return 0;
}
