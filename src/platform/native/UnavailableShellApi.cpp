#include "platform/ShellApi.h"

namespace platform {

namespace {

// A native build has no shell: every call fails, so code that forgot to
// install a fake fails loudly.
class UnavailableShellApi final : public ShellApi {
public:
    std::intptr_t ShellExecuteA(Handle, const char*, const char*, const char*, const char*,
                                int) override {
        return 0; // any value up to 32 is a failure
    }
    Handle FindWindowA(const char*, const char*) override { return 0; }
    bool PostMessageA(Handle, unsigned, std::uintptr_t, std::intptr_t) override { return false; }
    bool Shell_NotifyIconA(Dword, NotifyIconDataA*) override { return false; }
    unsigned RegisterWindowMessageA(const char*) override { return 0; }
    bool GetCursorPos(Point*) override { return false; }
    bool SetForegroundWindow(Handle) override { return false; }
    bool ShowWindow(Handle, int) override { return false; }
};

} // namespace

ShellApi& defaultShellApi() {
    static UnavailableShellApi api;
    return api;
}

} // namespace platform
