#pragma once
#include "platform/ScreenGeometry.h"
#include "platform/Seam.h"
#include "platform/Win32Types.h"

#include <cstdint>

namespace platform {

// The first version of NOTIFYICONDATAA, field for field, and so as large as
// the headers' NOTIFYICONDATAA_V1_SIZE: 88 bytes on 32-bit Windows, 104 on
// 64-bit, where the handles are 8 bytes wide and aligned to 8.
struct NotifyIconDataA {
    Dword cbSize;
    Handle hWnd;
    unsigned uID;
    unsigned uFlags;
    unsigned uCallbackMessage;
    Handle hIcon;
    char szTip[64];
};
constexpr Dword kNotifyIconDataASize = sizeof(NotifyIconDataA);

constexpr Dword kNimAdd = 0;
constexpr Dword kNimModify = 1;
constexpr Dword kNimDelete = 2;
constexpr Dword kNimSetFocus = 3;
constexpr unsigned kNifMessage = 0x1;
constexpr unsigned kNifIcon = 0x2;
constexpr unsigned kNifTip = 0x4;

// NOTIFYICONIDENTIFIER: an icon by its window and id (the GUID left zero);
// 28 bytes on 32-bit Windows, 40 on 64-bit.
struct NotifyIconIdentifier {
    Dword cbSize;
    Handle hWnd;
    unsigned uID;
    std::uint8_t guidItem[16];
};
constexpr Dword kNotifyIconIdentifierSize = sizeof(NotifyIconIdentifier);

// Show commands, as ShellExecuteA takes them.
constexpr int kSwHide = 0;
constexpr int kSwShowMaximized = 3;
constexpr int kSwShow = 5;
constexpr int kSwMinimize = 6;

// Shell launching, window lookup and messaging, and the tray, one for one
// with the ANSI Win32 functions. ShellExecuteA gives its HINSTANCE as an
// integer: above 32 on success, an error code otherwise.
class ShellApi {
public:
    virtual ~ShellApi() = default;

    virtual std::intptr_t ShellExecuteA(Handle hwnd, const char* verb, const char* file,
                                        const char* params, const char* dir, int show) = 0;
    virtual Handle FindWindowA(const char* className, const char* windowName) = 0;
    virtual bool PostMessageA(Handle hwnd, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual bool Shell_NotifyIconA(Dword message, NotifyIconDataA* data) = 0;
    // An HRESULT: 0 (S_OK) with the icon's place on the screen; a failure
    // where the shell does not know the icon or lacks the function
    // (before Windows 7).
    virtual long Shell_NotifyIconGetRect(const NotifyIconIdentifier* identifier,
                                         ScreenRect* iconLocation) = 0;
    virtual unsigned RegisterWindowMessageA(const char* name) = 0;
};

// The real shell, defined by the Windows build (see Seam.h).
ShellApi& systemInstance(SystemOf<ShellApi>);

// The instance the program uses: the one a test installed, else the system's.
inline ShellApi& shellApi() {
    return Seam<ShellApi>::get();
}

} // namespace platform
