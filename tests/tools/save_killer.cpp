// Ends Lumaro.exe in the middle of a save, as a crash or a forced kill would.
// From the first change below the definitions' key on, it reads "Count" over
// and over, and terminates the process the given number of microseconds
// after the moment aimed at: "start" (that first change), "switch" (the
// first change of "Count", the commit) or "back" (its next one, the list
// compacted). With "measure" it ends nothing and prints, in microseconds
// from the first change, when "Count" switched, when it came back and when
// the changes ended. Creates the file named first once it is watching.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char* const kListKey = "Software\\QelApp\\Lumaro\\HotKeys";
constexpr DWORD kFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

std::vector<HANDLE> lumaroProcesses() {
    std::vector<HANDLE> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, "Lumaro.exe") != 0)
            continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID))
            found.push_back(process);
    }
    CloseHandle(snapshot);
    return found;
}

DWORD countOf(HKEY key) {
    DWORD value = 0, size = sizeof value;
    if (RegQueryValueExA(key, "Count", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

// Microseconds from the first change to the last one, once none came for a second.
double lastChange(HKEY key, HANDLE changed, LARGE_INTEGER start) {
    LARGE_INTEGER last;
    QueryPerformanceCounter(&last);
    for (;;) {
        RegNotifyChangeKeyValue(key, TRUE, kFilter, changed, TRUE);
        if (WaitForSingleObject(changed, 1000) != WAIT_OBJECT_0)
            return microseconds(start, last);
        QueryPerformanceCounter(&last);
    }
}

// "Count" read over and over from the first change on: when it switched and
// came back.
struct Watch {
    HKEY key;
    DWORD count;
    LARGE_INTEGER start;
    double at[3] = {0, -1, -1};
    int seen = 1;

    // Microseconds from the first change to `wait` after the moment aimed at
    // (-1: to "Count" coming back), or -1 when that never came.
    double until(int aim, double wait) {
        LARGE_INTEGER now;
        for (;;) {
            QueryPerformanceCounter(&now);
            double t = microseconds(start, now);
            DWORD current = countOf(key);
            if (current != count && seen < 3) {
                count = current;
                at[seen++] = t;
            }
            if (aim < 0 ? seen == 3 : seen > aim && t - at[aim] >= wait)
                return t;
            if (t > 60e6)
                return -1;
        }
    }
};

int aimOf(int argc, char** argv) {
    const char* const aims[] = {"start", "switch", "back"};
    for (int i = 0; i < 3 && argc == 4; ++i)
        if (std::strcmp(argv[2], aims[i]) == 0)
            return i;
    return argc == 3 && std::strcmp(argv[2], "measure") == 0 ? -1 : -2;
}

} // namespace

int main(int argc, char** argv) {
    const int aim = aimOf(argc, argv);
    if (aim == -2) {
        std::fprintf(stderr, "usage: save_killer READY-FILE measure|start|switch|back [US]\n");
        return 2;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kListKey, 0, nullptr, 0, KEY_NOTIFY | KEY_READ, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return 3;
    std::vector<HANDLE> targets = lumaroProcesses();
    if (aim >= 0 && targets.empty())
        return 5;
    Watch watch{key, countOf(key), {}};
    HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (RegNotifyChangeKeyValue(key, TRUE, kFilter, changed, TRUE) != ERROR_SUCCESS)
        return 3;
    CloseHandle(CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (WaitForSingleObject(changed, 120000) != WAIT_OBJECT_0)
        return 4;
    QueryPerformanceCounter(&watch.start);
    double t = watch.until(aim, aim < 0 ? 0 : std::atof(argv[3]));
    if (t < 0)
        return 4;
    if (aim < 0) {
        std::printf("%.0f %.0f %.0f\n", watch.at[1], watch.at[2],
                    lastChange(key, changed, watch.start));
        return 0;
    }
    bool ended = false;
    for (HANDLE process : targets)
        ended = TerminateProcess(process, 9) || ended;
    std::printf("%.0f\n", t);
    return ended ? 0 : 5;
}
