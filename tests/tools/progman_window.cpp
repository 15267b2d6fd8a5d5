// Stands in for the shell's program-manager window: a hidden window of class
// "ProgMan" that appends every WM_HOTKEY posted to it to the file named on
// its command line. Writes "<file>.ready" once the window exists; ends on
// WM_CLOSE or after two minutes.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string logFile;

void append(const std::string& line) {
    FILE* f = std::fopen(logFile.c_str(), "ab");
    if (!f)
        return;
    std::fputs(line.c_str(), f);
    std::fclose(f);
}

LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_HOTKEY:
        append("hotkey wParam=" + std::to_string(wParam) + " lParam=" + std::to_string(lParam) +
               "\n");
        return 0;
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    logFile = commandLine;
    WNDCLASSA cls = {};
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.lpszClassName = "ProgMan";
    RegisterClassA(&cls);
    HWND window = CreateWindowA("ProgMan", "Program Manager", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, instance, nullptr);
    if (!window)
        return 1;
    SetTimer(window, 1, 120000, nullptr);
    FILE* ready = std::fopen((logFile + ".ready").c_str(), "wb");
    if (ready)
        std::fclose(ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
