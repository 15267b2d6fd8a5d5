#pragma once
// Lumaro's tray icon as the test tools reach it from another process.
#include <windows.h>

#include <shellapi.h>

#include <vector>

constexpr UINT kLumaroIconId = 100;

// The block that names the icon of that window.
inline NOTIFYICONDATAA lumaroIcon(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kLumaroIconId;
    return data;
}

// Changing the tip to what it is proves the icon exists and changes nothing.
inline BOOL CALLBACK collectLumaroIconOwner(HWND window, LPARAM owners) {
    NOTIFYICONDATAA data = lumaroIcon(window);
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Lumaro");
    if (Shell_NotifyIconA(NIM_MODIFY, &data))
        reinterpret_cast<std::vector<HWND>*>(owners)->push_back(window);
    return TRUE;
}

// The windows that own such an icon.
inline std::vector<HWND> lumaroIconOwners() {
    std::vector<HWND> owners;
    EnumWindows(collectLumaroIconOwner, reinterpret_cast<LPARAM>(&owners));
    return owners;
}
