// Starts a program and measures its start-up: the time until its GUI thread
// first waits for input, and the time until it has used no more CPU for
// 300 ms (a program may look for input before its start-up is over), then
// its working set and private bytes (the commit charge), and the modules it
// has loaded by then. The program is left running for the caller to watch
// and end.
//
//   bench_start PROGRAM   prints "ready_ms=N settled_ms=N working_set_kb=N private_kb=N
//                         modules=N images_kb=N", then "loaded: NAME..." (lower case, sorted)
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

ULONGLONG cpuTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto value = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

struct Modules {
    std::vector<std::string> names;
    unsigned long imageKb = 0;
};

Modules modulesOf(HANDLE process) {
    HMODULE handles[256];
    DWORD bytes = 0;
    Modules found;
    if (!EnumProcessModules(process, handles, sizeof handles, &bytes))
        return found;
    for (DWORD i = 0; i < std::min<DWORD>(bytes / sizeof(HMODULE), 256); ++i) {
        char name[MAX_PATH] = {};
        MODULEINFO info = {};
        GetModuleBaseNameA(process, handles[i], name, sizeof name);
        GetModuleInformation(process, handles[i], &info, sizeof info);
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        found.names.push_back(lower);
        found.imageKb += info.SizeOfImage / 1024;
    }
    std::sort(found.names.begin(), found.names.end());
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    LARGE_INTEGER frequency, start, ready;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 1;
    DWORD waited = WaitForInputIdle(process.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    LARGE_INTEGER settled = ready;
    ULONGLONG lastCpu = cpuTime(process.hProcess);
    for (int quiet = 0; quiet < 30;) {
        Sleep(10);
        ULONGLONG cpu = cpuTime(process.hProcess);
        if (cpu == lastCpu) {
            ++quiet;
            continue;
        }
        lastCpu = cpu;
        quiet = 0;
        QueryPerformanceCounter(&settled);
    }
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                            sizeof memory);
    auto ms = [&](LARGE_INTEGER at) {
        return 1000.0 * static_cast<double>(at.QuadPart - start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    };
    Modules modules = modulesOf(process.hProcess);
    std::printf("ready_ms=%.1f settled_ms=%.1f working_set_kb=%lu private_kb=%lu modules=%u "
                "images_kb=%lu%s\nloaded:",
                ms(ready), ms(settled), static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PagefileUsage / 1024),
                static_cast<unsigned>(modules.names.size()), modules.imageKb,
                waited == 0 ? "" : " (never idle)");
    for (const std::string& name : modules.names)
        std::printf(" %s", name.c_str());
    std::printf("\n");
    return 0;
}
