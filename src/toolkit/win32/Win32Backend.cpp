#include "toolkit/win32/Win32Backend.h"

#include "toolkit/PopupMenu.h"
#include "toolkit/win32/ApplicationWindow.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/WideText.h"

#include <stdexcept>

namespace tk {

namespace {

class MenuHandle {
public:
    MenuHandle() : menu_(CreatePopupMenu()) {
        if (!menu_)
            throw std::runtime_error("CreatePopupMenu failed");
    }
    ~MenuHandle() { DestroyMenu(menu_); }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

// Command ids are the item's index plus one: 0 means nothing was chosen.
void appendItems(HMENU menu, const PopupMenu& popup) {
    UINT_PTR id = 1;
    for (const auto& item : popup.items()) {
        if (item->isSeparator())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, id, utf8ToWide(item->caption()).c_str());
        ++id;
    }
}

int defaultMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                      UINT type) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

} // namespace

Win32Backend::Win32Backend() : messageBox_(defaultMessageBox) {}

std::unique_ptr<WindowPeer> Win32Backend::createApplicationWindow(const std::string& title) {
    return std::make_unique<ApplicationWindow>(title);
}

std::unique_ptr<WindowPeer> Win32Backend::createFormWindow(Form& form, platform::Handle owner) {
    return std::make_unique<FormWindow>(form, toHwnd(owner));
}

platform::Handle Win32Backend::loadIcon(int resourceId) {
    return toHandle(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                               LR_DEFAULTCOLOR));
}

void Win32Backend::destroyIcon(platform::Handle icon) {
    DestroyIcon(reinterpret_cast<HICON>(icon));
}

int Win32Backend::trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) {
    MenuHandle handle;
    appendItems(handle.get(), menu);
    int command = TrackPopupMenu(handle.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0,
                                 toHwnd(owner), nullptr);
    // Without it the menu of a notification icon may not open a second time.
    PostMessageW(toHwnd(owner), WM_NULL, 0, 0);
    return command - 1;
}

std::intptr_t Win32Backend::sendMessage(platform::Handle window, unsigned msg,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageW(toHwnd(window), msg, wParam, lParam);
}

void Win32Backend::postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                               std::intptr_t lParam) {
    PostMessageW(toHwnd(window), msg, wParam, lParam);
}

LoopStep Win32Backend::runOne() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return LoopStep::Quit;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return LoopStep::Dispatched;
}

LoopStep Win32Backend::runPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return LoopStep::Quit;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return LoopStep::Idle;
}

void Win32Backend::postQuit() {
    PostQuitMessage(0);
}

void Win32Backend::errorBox(const std::string& text, const std::string& caption) {
    messageBox_(GetActiveWindow(), utf8ToWide(text), utf8ToWide(caption), MB_OK | MB_ICONERROR);
}

Backend& defaultBackend() {
    static Win32Backend win32;
    return win32;
}

} // namespace tk
