#pragma once
#include "toolkit/Backend.h"

#include <functional>
#include <string>
#include <windows.h>

namespace tk {

// The toolkit on the real Win32 API.
class Win32Backend final : public Backend {
public:
    // MessageBoxW by default; tests put in one that does not wait for a user.
    using MessageBoxFunction = std::function<int(HWND owner, const std::wstring& text,
                                                 const std::wstring& caption, UINT type)>;

    Win32Backend();
    void setMessageBoxFunction(MessageBoxFunction function) { messageBox_ = std::move(function); }

    std::unique_ptr<WindowPeer> createApplicationWindow(const std::string& title) override;
    std::unique_ptr<WindowPeer> createFormWindow(Form& form, platform::Handle owner) override;
    platform::Handle loadIcon(int resourceId) override;
    void destroyIcon(platform::Handle icon) override;
    int trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) override;
    std::intptr_t sendMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    LoopStep runOne() override;
    LoopStep runPending() override;
    void postQuit() override;
    void errorBox(const std::string& text, const std::string& caption) override;

private:
    MessageBoxFunction messageBox_;
};

} // namespace tk
