#include "platform/ShellApi.h"

#include "platform/win32/SystemLibrary.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <shellapi.h>

namespace platform {

// The mirrors are the system's blocks on this architecture, field for field
// (the first version of NOTIFYICONDATAA ends 64 bytes into szTip): the sizes
// the program puts in cbSize are the ones the shell takes.
#define LUMARO_SAME_FIELD(Mirror, Native, field)                                                   \
    static_assert(offsetof(Mirror, field) == offsetof(Native, field))
static_assert(kNotifyIconDataASize == NOTIFYICONDATAA_V1_SIZE);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, hWnd);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uID);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uFlags);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uCallbackMessage);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, hIcon);
LUMARO_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, szTip);
static_assert(kNotifyIconIdentifierSize == sizeof(NOTIFYICONIDENTIFIER));
LUMARO_SAME_FIELD(NotifyIconIdentifier, NOTIFYICONIDENTIFIER, hWnd);
LUMARO_SAME_FIELD(NotifyIconIdentifier, NOTIFYICONIDENTIFIER, uID);
LUMARO_SAME_FIELD(NotifyIconIdentifier, NOTIFYICONIDENTIFIER, guidItem);
#undef LUMARO_SAME_FIELD
static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNimSetFocus == NIM_SETFOCUS);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
static_assert(kSwHide == SW_HIDE && kSwShowMaximized == SW_SHOWMAXIMIZED);
static_assert(kSwShow == SW_SHOW && kSwMinimize == SW_MINIMIZE);

namespace {

HWND hwndOf(Handle h) {
    return reinterpret_cast<HWND>(h);
}

NOTIFYICONDATAA toNative(const NotifyIconDataA& data) {
    NOTIFYICONDATAA native{};
    native.cbSize = data.cbSize;
    native.hWnd = hwndOf(data.hWnd);
    native.uID = data.uID;
    native.uFlags = data.uFlags;
    native.uCallbackMessage = data.uCallbackMessage;
    native.hIcon = reinterpret_cast<HICON>(data.hIcon);
    std::memcpy(native.szTip, data.szTip, sizeof data.szTip);
    return native;
}

class Win32ShellApi final : public ShellApi {
public:
    std::intptr_t ShellExecuteA(Handle hwnd, const char* verb, const char* file, const char* params,
                                const char* dir, int show) override {
        static const auto call =
            systemFunction<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
        // 0 is what ShellExecuteA reports when the system is out of resources.
        return call ? reinterpret_cast<std::intptr_t>(
                          call(hwndOf(hwnd), verb, file, params, dir, show))
                    : 0;
    }
    Handle FindWindowA(const char* className, const char* windowName) override {
        return reinterpret_cast<Handle>(::FindWindowA(className, windowName));
    }
    bool PostMessageA(Handle hwnd, unsigned msg, std::uintptr_t wParam,
                      std::intptr_t lParam) override {
        return ::PostMessageA(hwndOf(hwnd), msg, wParam, lParam) != FALSE;
    }
    bool Shell_NotifyIconA(Dword message, NotifyIconDataA* data) override {
        static const auto call =
            systemFunction<decltype(&::Shell_NotifyIconA)>("shell32.dll", "Shell_NotifyIconA");
        if (!call)
            return false;
        if (!data)
            return call(message, nullptr) != FALSE;
        NOTIFYICONDATAA native = toNative(*data);
        return call(message, &native) != FALSE;
    }
    long Shell_NotifyIconGetRect(const NotifyIconIdentifier* identifier,
                                 ScreenRect* iconLocation) override {
        using GetRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
        static const auto call = systemFunction<GetRect>("shell32.dll", "Shell_NotifyIconGetRect");
        if (!call || !identifier || !iconLocation)
            return E_NOTIMPL;
        NOTIFYICONIDENTIFIER native{};
        native.cbSize = identifier->cbSize;
        native.hWnd = hwndOf(identifier->hWnd);
        native.uID = identifier->uID;
        std::memcpy(&native.guidItem, identifier->guidItem, sizeof native.guidItem);
        RECT rect{};
        HRESULT result = call(&native, &rect);
        if (SUCCEEDED(result))
            *iconLocation = ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
        return result;
    }
    unsigned RegisterWindowMessageA(const char* name) override {
        return ::RegisterWindowMessageA(name);
    }
};

} // namespace

ShellApi& systemInstance(SystemOf<ShellApi>) {
    static Win32ShellApi api;
    return api;
}

} // namespace platform
