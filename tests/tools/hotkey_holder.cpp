// Another process for the hotkey tests: registers the hotkeys and adds the
// atoms named on its command line, reports how that went, and keeps them
// until the test sets the named event (or a minute has passed).
//
//   hotkey_holder.exe MARKER EVENT [hotkey:MODS:VK | atom:NAME]...
//
// The report, one number per line and per argument (the registration's
// error, 0 when it holds the hotkey; an atom's value), appears as MARKER.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Held {
    HWND window = nullptr;
    int hotKeys = 0;
    std::vector<ATOM> atoms;
};

unsigned long registerFrom(Held& held, const std::string& argument) {
    unsigned modifiers = 0, vk = 0;
    if (std::sscanf(argument.c_str(), "hotkey:%u:%u", &modifiers, &vk) != 2)
        return ERROR_INVALID_PARAMETER;
    if (!RegisterHotKey(held.window, held.hotKeys + 1, modifiers, vk))
        return GetLastError();
    ++held.hotKeys;
    return 0;
}

unsigned long hold(Held& held, const std::string& argument) {
    if (argument.rfind("atom:", 0) == 0) {
        ATOM atom = GlobalAddAtomA(argument.c_str() + 5);
        held.atoms.push_back(atom);
        return atom;
    }
    return registerFrom(held, argument);
}

bool writeReport(const std::string& marker, const std::string& report) {
    std::string partial = marker + ".part";
    FILE* file = std::fopen(partial.c_str(), "w");
    if (!file)
        return false;
    std::fputs(report.c_str(), file);
    std::fclose(file);
    return MoveFileA(partial.c_str(), marker.c_str()) != FALSE;
}

void release(Held& held) {
    for (int id = 1; id <= held.hotKeys; ++id)
        UnregisterHotKey(held.window, id);
    for (ATOM atom : held.atoms)
        GlobalDeleteAtom(atom);
    if (held.window)
        DestroyWindow(held.window);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, argv[2]);
    Held held;
    held.window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::string report;
    for (int i = 3; i < argc; ++i)
        report += std::to_string(hold(held, argv[i])) + "\n";
    int status = writeReport(argv[1], report) ? 0 : 1;
    if (status == 0)
        WaitForSingleObject(stop, 60000);
    release(held);
    CloseHandle(stop);
    return status;
}
