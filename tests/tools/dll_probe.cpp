// Whether a DLL planted beside an exe gets loaded when the common file-open
// dialog opens (comdlg32 and, under Wine, what it pulls in by name), then
// cancels the dialog. Three ways to reach the dialog:
//
//   dll_probe by-name     loads comdlg32 by its bare name, as a program that
//                         imports it or a shell component that loads it does
//   dll_probe limited     the same after the program's start-up call that
//                         keeps DLLs to the system folder; prints limited=1
//                         when the system took the call
//   dll_probe forwarder   through the program's own forwarder, without the
//                         start-up call
#include "platform/FileDialogApi.h"
#include "platform/win32/SystemLibrary.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <string>

namespace {

DWORD WINAPI cancelDialog(void*) {
    for (int i = 0; i < 600; ++i) {
        HWND dialog = FindWindowA("#32770", nullptr);
        if (dialog && IsWindowVisible(dialog)) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        Sleep(50);
    }
    return 1;
}

bool openByName() {
    HMODULE comdlg = LoadLibraryA("comdlg32.dll");
    auto open = comdlg ? reinterpret_cast<decltype(&GetOpenFileNameA)>(
                             reinterpret_cast<void*>(GetProcAddress(comdlg, "GetOpenFileNameA")))
                       : nullptr;
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    return open && open(&ofn);
}

bool openThroughForwarder() {
    char file[MAX_PATH] = {};
    platform::OpenFileNameA ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = platform::kOfnExplorer | platform::kOfnHideReadOnly;
    return platform::fileDialogApi().GetOpenFileNameA(&ofn);
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "by-name" && mode != "limited" && mode != "forwarder") {
        std::fprintf(stderr, "usage: dll_probe by-name|limited|forwarder\n");
        return 2;
    }
    if (mode == "limited")
        std::printf("limited=%d\n", platform::limitDllSearchToSystemFolder() ? 1 : 0);
    std::fflush(stdout);
    HANDLE canceller = CreateThread(nullptr, 0, cancelDialog, nullptr, 0, nullptr);
    bool chosen = mode == "forwarder" ? openThroughForwarder() : openByName();
    DWORD waited = WaitForSingleObject(canceller, 30000);
    DWORD cancelled = 1;
    GetExitCodeThread(canceller, &cancelled);
    std::printf("dialog=%s\n",
                waited == WAIT_OBJECT_0 && cancelled == 0 && !chosen ? "shown" : "not shown");
    return 0;
}
