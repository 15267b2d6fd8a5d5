// Starts a program, waits until its GUI thread first waits for input (its
// start-up is done), and prints how long that took and its working set.
// The program is left running for the caller to watch and end.
//
//   bench_start PROGRAM   prints "ready_ms=N working_set_kb=N"
#include <windows.h>

#include <psapi.h>

#include <cstdio>

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
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    std::printf("ready_ms=%.1f working_set_kb=%lu%s\n",
                1000.0 * static_cast<double>(ready.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart),
                static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                waited == 0 ? "" : " (never idle)");
    return 0;
}
