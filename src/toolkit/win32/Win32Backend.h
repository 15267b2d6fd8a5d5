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
    std::unique_ptr<WindowPeer> createPanelWindow(Panel& panel, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createLabelWindow(Label& label, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createEditWindow(Edit& edit, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createButtonWindow(Button& button,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createGlyphButtonWindow(GlyphButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioButtonWindow(RadioButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioGroupWindow(RadioGroup& group,
                                                       platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createUpDownWindow(UpDown& upDown,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createImageWindow(Image& image, platform::Handle parent) override;
    platform::Handle loadIcon(int resourceId, IconSize size) override;
    void destroyIcon(platform::Handle icon) override;
    int trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) override;
    std::intptr_t sendMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    LoopStep runOne() override;
    LoopStep runPending() override;
    void postQuit() override;
    void runModal(Form& form) override;
    platform::Handle activeWindow() override;
    void activate(platform::Handle window) override;
    void errorBox(const std::string& text, const std::string& caption) override;

    // Translates and dispatches a message, after the toolkit has had the keys
    // it handles itself.
    static void dispatch(MSG& message);

private:
    MessageBoxFunction messageBox_;
};

} // namespace tk
