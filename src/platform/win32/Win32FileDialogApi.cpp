#include "platform/FileDialogApi.h"

#include <windows.h>

#include <commdlg.h>

namespace platform {

namespace {

class Win32FileDialogApi final : public FileDialogApi {
public:
    bool GetOpenFileNameA(OpenFileNameA* ofn) override {
        OPENFILENAMEA native{};
        native.lStructSize = sizeof native;
        native.hwndOwner = reinterpret_cast<HWND>(ofn->hwndOwner);
        native.lpstrFilter = ofn->lpstrFilter;
        native.lpstrFile = ofn->lpstrFile;
        native.nMaxFile = ofn->nMaxFile;
        native.lpstrInitialDir = ofn->lpstrInitialDir;
        native.lpstrTitle = ofn->lpstrTitle;
        native.Flags = ofn->Flags;
        bool chosen = ::GetOpenFileNameA(&native) != FALSE;
        ofn->nFileOffset = native.nFileOffset;
        ofn->nFileExtension = native.nFileExtension;
        return chosen;
    }
    Dword CommDlgExtendedError() override { return ::CommDlgExtendedError(); }
    Dword GetCurrentDirectoryA(Dword size, char* buffer) override {
        return ::GetCurrentDirectoryA(size, buffer);
    }
    bool SetCurrentDirectoryA(const char* path) override {
        return ::SetCurrentDirectoryA(path) != FALSE;
    }
};

} // namespace

FileDialogApi& defaultFileDialogApi() {
    static Win32FileDialogApi api;
    return api;
}

} // namespace platform
