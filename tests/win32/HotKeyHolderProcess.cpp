#include "HotKeyHolderProcess.h"

#include <fstream>

namespace {

std::string folderOfThisExe() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    return full.substr(0, full.find_last_of("\\/") + 1);
}

std::string uniqueName(const char* stem) {
    static int counter = 0;
    return std::string(stem) + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++counter);
}

std::string tempFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetTempPathA(MAX_PATH, path);
    return std::string(path, length);
}

} // namespace

std::optional<std::vector<unsigned long>>
HotKeyHolderProcess::start(const std::vector<std::string>& arguments) {
    stop();
    std::string eventName = uniqueName("LumaroHotKeyHolder_");
    stopEvent_ = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    marker_ = tempFolder() + uniqueName("lumaro_holder_") + ".txt";
    std::string commandLine =
        "\"" + folderOfThisExe() + "hotkey_holder.exe\" \"" + marker_ + "\" " + eventName;
    for (const std::string& argument : arguments)
        commandLine += " \"" + argument + "\"";
    if (!stopEvent_ || !launch(commandLine))
        return std::nullopt;
    return awaitReport();
}

bool HotKeyHolderProcess::launch(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    return true;
}

// The helper writes its report under another name and renames it, so a
// marker that exists is complete.
std::optional<std::vector<unsigned long>> HotKeyHolderProcess::awaitReport() {
    DWORD deadline = GetTickCount() + 20000;
    while (GetFileAttributesA(marker_.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0 ||
            static_cast<LONG>(GetTickCount() - deadline) > 0)
            return std::nullopt;
    }
    std::ifstream report(marker_);
    std::vector<unsigned long> results;
    for (unsigned long value; report >> value;)
        results.push_back(value);
    return results;
}

void HotKeyHolderProcess::stop() {
    if (process_) {
        SetEvent(stopEvent_);
        if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_, 1);
        CloseHandle(process_);
        process_ = nullptr;
    }
    if (stopEvent_) {
        CloseHandle(stopEvent_);
        stopEvent_ = nullptr;
    }
    if (!marker_.empty()) {
        DeleteFileA(marker_.c_str());
        marker_.clear();
    }
}
