// Ends Lumaro.exe in the middle of a save, as a crash or a forced kill would:
// waits for the first change below the definitions' key, spins the given
// number of microseconds and terminates the process. With "measure" instead
// of a number it ends nothing and prints how long the changes went on.
// Creates the file named first once it is watching.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kListKey = "Software\\QelApp\\Lumaro\\HotKeys";
constexpr DWORD kFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool terminateLumaro() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool ended = false;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, "Lumaro.exe") != 0)
            continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (process) {
            ended = TerminateProcess(process, 9) != 0;
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return ended;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_killer READY-FILE MICROSECONDS|measure\n");
        return 2;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kListKey, 0, nullptr, 0, KEY_NOTIFY | KEY_READ, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return 3;
    HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (RegNotifyChangeKeyValue(key, TRUE, kFilter, changed, TRUE) != ERROR_SUCCESS)
        return 3;
    HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ready);
    if (WaitForSingleObject(changed, 120000) != WAIT_OBJECT_0)
        return 4;
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (std::strcmp(argv[2], "measure") == 0) {
        LARGE_INTEGER last = start;
        for (;;) {
            RegNotifyChangeKeyValue(key, TRUE, kFilter, changed, TRUE);
            if (WaitForSingleObject(changed, 1000) != WAIT_OBJECT_0)
                break;
            QueryPerformanceCounter(&last);
        }
        std::printf("%.0f\n", microseconds(start, last));
        return 0;
    }
    const double wait = std::atof(argv[2]);
    do
        QueryPerformanceCounter(&now);
    while (microseconds(start, now) < wait);
    bool ended = terminateLumaro();
    std::printf("%.0f\n", microseconds(start, now));
    return ended ? 0 : 5;
}
