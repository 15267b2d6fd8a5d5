// Stands in for a launched program: appends how it was started (its
// parameters, current folder and show command) to launches.txt beside
// itself, in UTF-8 whatever the code page, then ends. It has no window.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* wide) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

// The command line after the program's name, as WinMain would be given it.
const wchar_t* parameters() {
    const wchar_t* at = GetCommandLineW();
    bool quoted = false;
    for (; *at && (quoted || (*at != L' ' && *at != L'\t')); ++at)
        if (*at == L'"')
            quoted = !quoted;
    while (*at == L' ' || *at == L'\t')
        ++at;
    return at;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring log = exe;
    log = log.substr(0, log.find_last_of(L'\\') + 1) + L"launches.txt";
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::string line = "args=" + utf8(parameters()) + "|cwd=" + utf8(folder) +
                       "|show=" + std::to_string(show) + "\r\n";
    // Appends are atomic enough for one line; retry while another instance
    // holds the file.
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
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
