#include "platform/FileDialogApi.h"

#include "platform/win32/SystemLibrary.h"

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
        static const auto call =
            systemFunction<decltype(&::GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
        bool chosen = call && call(&native) != FALSE;
        ofn->nFileOffset = native.nFileOffset;
        ofn->nFileExtension = native.nFileExtension;
        return chosen;
    }
    Dword CommDlgExtendedError() override {
        static const auto call = systemFunction<decltype(&::CommDlgExtendedError)>(
            "comdlg32.dll", "CommDlgExtendedError");
        return call ? call() : 0;
    }
    Dword GetCurrentDirectoryA(Dword size, char* buffer) override {
        return ::GetCurrentDirectoryA(size, buffer);
    }
    bool SetCurrentDirectoryA(const char* path) override {
        return ::SetCurrentDirectoryA(path) != FALSE;
    }
};

} // namespace

FileDialogApi& systemInstance(SystemOf<FileDialogApi>) {
    static Win32FileDialogApi api;
    return api;
}

} // namespace platform
