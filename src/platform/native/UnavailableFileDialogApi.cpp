#include "platform/FileDialogApi.h"

namespace platform {

namespace {

// A native build has no dialog: every browse is cancelled and the folder
// cannot be read or changed.
class UnavailableFileDialogApi final : public FileDialogApi {
public:
    bool GetOpenFileNameA(OpenFileNameA*) override { return false; }
    Dword CommDlgExtendedError() override { return 0; }
    Dword GetCurrentDirectoryA(Dword, char*) override { return 0; }
    bool SetCurrentDirectoryA(const char*) override { return false; }
};

} // namespace

FileDialogApi& defaultFileDialogApi() {
    static UnavailableFileDialogApi api;
    return api;
}

} // namespace platform
