#pragma once
#include "platform/ScreenGeometry.h"
#include "platform/ShellApi.h"
#include "toolkit/Form.h"
#include "toolkit/PopupMenu.h"

class LmrTrayWindow;

// The hidden main form: owns the tray icon and its menu and receives the
// hotkey messages.
class TLmrTrayForm : public tk::Form {
public:
    TLmrTrayForm();

    void setTrayWindow(LmrTrayWindow* window) { trayWindow = window; }
    LmrTrayWindow* tray() const { return trayWindow; }
    unsigned taskbarCreated() const { return taskbarCreatedMessage; }

    void addTrayIcon();
    void deleteTrayIcon();
    // Once its tray window is gone: the icon goes and the form no longer acts
    // on anything (after a failed start, an error box runs a message loop).
    void retire();

    tk::PopupMenu MainPopupMenu;

    void DefineMenuItemClick();
    void HelpMenuItemClick();
    void AboutMenuItemClick();
    void ExitMenuItemClick();
    void FormCreate();
    void FormClose(tk::CloseAction& action);

    static constexpr unsigned kTrayIconId = 100;
    static constexpr unsigned kTrayCallbackMessage = 0x0401;

    // The hotkeys, the tray icon's callback and the shell's restart come as
    // window messages, before the toolkit sees them.
    bool beforeToolkit(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t& result) override;

private:
    platform::NotifyIconDataA trayIconData();
    void onHotKeyMessage(std::intptr_t lParam);
    void onTrayNotify(std::intptr_t lParam);
    void showMenu();
    struct MenuPlace {
        platform::ScreenPoint at;
        bool fromKeyboard;
    };
    MenuPlace menuPlace();
    void returnFocusToTray();
    bool onTaskbarCreated(unsigned msg);

    LmrTrayWindow* trayWindow = nullptr;
    unsigned taskbarCreatedMessage = 0;
    bool retired = false;
};
