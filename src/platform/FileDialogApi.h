#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"

#include <cstdint>

namespace platform {

// The fields of OPENFILENAMEA that the program sets or reads; the real
// implementation fills in the rest with zeros.
struct OpenFileNameA {
    Handle hwndOwner = 0;
    const char* lpstrFilter = nullptr;
    char* lpstrFile = nullptr;
    Dword nMaxFile = 0;
    const char* lpstrInitialDir = nullptr;
    const char* lpstrTitle = nullptr;
    Dword Flags = 0;
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
};

constexpr Dword kOfnHideReadOnly = 0x00000004;
constexpr Dword kOfnExplorer = 0x00080000;
constexpr Dword kOfnEnableSizing = 0x00800000;
constexpr Dword kFnErrBufferTooSmall = 0x3003;

// The common file-open dialog and the process's current folder, which that
// dialog changes, one for one with the ANSI Win32 functions.
class FileDialogApi {
public:
    virtual ~FileDialogApi() = default;

    // True when the user chose a file; its full name is then in lpstrFile.
    virtual bool GetOpenFileNameA(OpenFileNameA* ofn) = 0;
    virtual Dword CommDlgExtendedError() = 0;
    // The length of the folder's name; when the buffer is too small, the size
    // it needs, terminating zero included.
    virtual Dword GetCurrentDirectoryA(Dword size, char* buffer) = 0;
    virtual bool SetCurrentDirectoryA(const char* path) = 0;
};

// The real dialog and folder functions, defined by the Windows build (see Seam.h).
FileDialogApi& systemInstance(SystemOf<FileDialogApi>);

// The instance the program uses: the one a test installed, else the system's.
inline FileDialogApi& fileDialogApi() {
    return Seam<FileDialogApi>::get();
}

} // namespace platform
