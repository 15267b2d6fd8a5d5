// Starts a program and measures its start-up: the time until its GUI thread
// first waits for input, and the time until it has used no more CPU for
// 300 ms (a program may look for input before its start-up is over), then
// its working set and private bytes (the commit charge). The program is left
// running for the caller to watch and end.
//
//   bench_start PROGRAM   prints "ready_ms=N settled_ms=N working_set_kb=N private_kb=N"
#include <windows.h>

#include <psapi.h>

#include <cstdio>

namespace {

ULONGLONG cpuTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto value = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return value(kernel) + value(user);
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
    std::printf("ready_ms=%.1f settled_ms=%.1f working_set_kb=%lu private_kb=%lu%s\n", ms(ready),
                ms(settled), static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PagefileUsage / 1024),
                waited == 0 ? "" : " (never idle)");
    return 0;
}
