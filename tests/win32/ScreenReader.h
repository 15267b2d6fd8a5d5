#pragma once
#include <ole2.h>
#include <oleacc.h>
#include <string>
#include <windows.h>

// What a screen reader hears of a window: the name, role and state of the
// object the window gives for its client, read through oleacc as a screen
// reader reads it.
struct Heard {
    std::wstring name;
    long role = 0;
    long state = 0;
    bool answered = false;
};

inline Heard hear(HWND window) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static const auto fromWindow = reinterpret_cast<FromWindow>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
    Heard heard;
    IAccessible* object = nullptr;
    if (!fromWindow || FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return heard;
    heard.answered = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        heard.name = name;
        SysFreeString(name);
    }
    VARIANT value{};
    if (SUCCEEDED(object->get_accRole(self, &value)) && value.vt == VT_I4)
        heard.role = value.lVal;
    VariantInit(&value);
    if (SUCCEEDED(object->get_accState(self, &value)) && value.vt == VT_I4)
        heard.state = value.lVal;
    object->Release();
    return heard;
}
