// Stands in for a launched program: appends how it was started (its
// parameters, current folder and show command) to launches.txt beside
// itself, then ends. It has no window.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int show) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string log = exe;
    log = log.substr(0, log.find_last_of('\\') + 1) + "launches.txt";
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::string line = std::string("args=") + commandLine + "|cwd=" + folder +
                       "|show=" + std::to_string(show) + "\r\n";
    // Appends are atomic enough for one line; retry while another instance
    // holds the file.
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
