#include "platform/HotKeyApi.h"

namespace platform {

namespace {

// A native build has no global hotkeys or atoms: every call fails, so code
// that forgot to install a fake fails loudly.
class UnavailableHotKeyApi final : public HotKeyApi {
public:
    bool RegisterHotKey(Handle, int, unsigned, unsigned) override { return false; }
    bool UnregisterHotKey(Handle, int) override { return false; }
    std::uint16_t GlobalAddAtomA(const char*) override { return 0; }
    std::uint16_t GlobalDeleteAtom(std::uint16_t atom) override { return atom; }
    Dword GetLastError() override { return static_cast<Dword>(kErrorCallNotImplemented); }
};

} // namespace

HotKeyApi& defaultHotKeyApi() {
    static UnavailableHotKeyApi api;
    return api;
}

} // namespace platform
