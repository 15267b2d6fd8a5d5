#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Runs hotkey_holder.exe beside the test: another process on the same
// desktop that registers hotkeys and adds atoms, and keeps them until it is
// stopped.
class HotKeyHolderProcess {
public:
    HotKeyHolderProcess() = default;
    ~HotKeyHolderProcess() { stop(); }
    HotKeyHolderProcess(const HotKeyHolderProcess&) = delete;
    HotKeyHolderProcess& operator=(const HotKeyHolderProcess&) = delete;

    // Arguments as the helper takes them ("hotkey:MODS:VK", "atom:NAME").
    // Gives one number per argument once the helper is ready: for a hotkey
    // the error of its registration (0 when it holds it), for an atom its
    // value. Nothing if the helper could not be started or did not answer.
    std::optional<std::vector<unsigned long>> start(const std::vector<std::string>& arguments);
    void stop();

private:
    bool launch(const std::string& commandLine);
    std::optional<std::vector<unsigned long>> awaitReport();

    HANDLE process_ = nullptr;
    HANDLE stopEvent_ = nullptr;
    std::string marker_;
};
