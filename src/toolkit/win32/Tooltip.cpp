#include "toolkit/win32/Tooltip.h"

#include <commctrl.h>

namespace tk {

Tooltip::Tooltip(HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

Tooltip::~Tooltip() {
    if (tip_)
        DestroyWindow(tip_);
}

// Sized as the structure's second version, which every version of the
// common controls accepts.
TOOLINFOW Tooltip::infoFor(HWND tool, const wchar_t* text) const {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text);
    return info;
}

// A tool is added once and then only given its new text: adding and
// removing one subclasses the window and takes it back each time.
void Tooltip::set(HWND tool, const std::wstring& text) {
    if (!tip_)
        return;
    TOOLINFOW info = infoFor(tool, text.c_str());
    auto message = [&](UINT msg) { SendMessageW(tip_, msg, 0, reinterpret_cast<LPARAM>(&info)); };
    bool known = tools_.count(tool) != 0;
    if (text.empty()) {
        if (known)
            message(TTM_DELTOOLW);
        tools_.erase(tool);
    } else if (known) {
        message(TTM_UPDATETIPTEXTW);
    } else {
        message(TTM_ADDTOOLW);
        tools_.insert(tool);
    }
}

} // namespace tk
