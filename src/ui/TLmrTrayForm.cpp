#include "ui/TLmrTrayForm.h"

#include "app/Lumaro.h"
#include "model/KeyCombination.h"
#include "platform/HotKeyApi.h"
#include "platform/MonitorApi.h"
#include "platform/ProcessApi.h"
#include "platform/ShellApi.h"
#include "ui/LmrTrayWindow.h"
#include "ui/ResourceIds.h"

#include <cstring>

namespace {

constexpr unsigned kWmLButtonDblClk = 0x0203;
constexpr unsigned kWmRButtonDown = 0x0204;

} // namespace

TLmrTrayForm::TLmrTrayForm() : Form("LmrTrayForm"), MainPopupMenu("MainPopupMenu", *this) {
    setCaption("Lumaro");
    setIcon(LUMARO_ICON_TRAY);
    MainPopupMenu.add("DefineMenuItem", "Define ...", [this] { DefineMenuItemClick(); });
    MainPopupMenu.add("HelpMenuItem", "Help (html) ...", [this] { HelpMenuItemClick(); });
    MainPopupMenu.add("AboutMenuItem", "About ...", [this] { AboutMenuItemClick(); });
    MainPopupMenu.add("N1", "-");
    MainPopupMenu.add("ExitMenuItem", "Exit", [this] { ExitMenuItemClick(); });
    taskbarCreatedMessage = platform::shellApi().RegisterWindowMessageA("TaskbarCreated");
    onCreate = [this] { FormCreate(); };
    onClose = [this](tk::CloseAction& action) { FormClose(action); };
}

// The icon as the shell knows it: by this window and its id.
platform::NotifyIconDataA TLmrTrayForm::trayIconData() {
    platform::NotifyIconDataA data{};
    data.cbSize = platform::kNotifyIconDataASize;
    data.hWnd = handle();
    data.uID = kTrayIconId;
    return data;
}

void TLmrTrayForm::addTrayIcon() {
    platform::NotifyIconDataA data = trayIconData();
    data.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = iconHandle();
    std::strncpy(data.szTip, "Lumaro", sizeof data.szTip - 1);
    platform::shellApi().Shell_NotifyIconA(platform::kNimAdd, &data);
}

void TLmrTrayForm::deleteTrayIcon() {
    platform::NotifyIconDataA data = trayIconData();
    platform::shellApi().Shell_NotifyIconA(platform::kNimDelete, &data);
}

void TLmrTrayForm::retire() {
    retired = true;
    trayWindow = nullptr;
    if (handleAllocated())
        deleteTrayIcon();
}

bool TLmrTrayForm::beforeToolkit(unsigned msg, std::uintptr_t, std::intptr_t lParam,
                                 std::intptr_t& result) {
    result = 0;
    if (retired && msg == taskbarCreatedMessage)
        return true;
    if (onTaskbarCreated(msg))
        return true;
    bool started = trayWindow && trayWindow->started();
    if (!started && (msg == platform::kWmHotKey || msg == kTrayCallbackMessage))
        return true;
    switch (msg) {
    case platform::kWmHotKey:
        onHotKeyMessage(lParam);
        return true;
    case kTrayCallbackMessage:
        onTrayNotify(lParam);
        return true;
    default:
        return false;
    }
}

// The identifier in wParam is not used: the combination comes from lParam.
void TLmrTrayForm::onHotKeyMessage(std::intptr_t lParam) {
    unsigned modifiers = static_cast<unsigned>(lParam) & 0xFFFF;
    unsigned key = (static_cast<unsigned>(lParam) >> 16) & 0xFFFF;
    if (!(modifiers & platform::kModWin) || !trayWindow)
        return;
    trayWindow->executeHotKey(KeyCombination::reported(modifiers, key));
}

void TLmrTrayForm::onTrayNotify(std::intptr_t lParam) {
    switch (static_cast<unsigned>(lParam)) {
    case kWmRButtonDown:
        showMenu();
        break;
    case kWmLButtonDblClk:
        setForeground();
        DefineMenuItemClick();
        break;
    default:
        break;
    }
}

// The window must be in the foreground, or the menu does not close when the
// user clicks elsewhere. A menu left without a choice gives the keyboard back
// to the notification area only where a keyboard user opened it: a mouse
// user who clicked into another window keeps the focus there.
void TLmrTrayForm::showMenu() {
    setForeground();
    MenuPlace place = menuPlace();
    if (!MainPopupMenu.popup(place.at.x, place.at.y) && place.fromKeyboard)
        returnFocusToTray();
}

// At the pointer, as it was clicked; opened from the keyboard (Enter or
// Shift+F10 on the icon, reported as a right press) the pointer may be
// anywhere, and the menu then opens at the icon where the shell tells it.
// Where the shell cannot tell, the press is taken for the mouse's.
TLmrTrayForm::MenuPlace TLmrTrayForm::menuPlace() {
    platform::ScreenPoint cursor{};
    platform::monitorApi().GetCursorPos(&cursor);
    platform::NotifyIconIdentifier icon{};
    icon.cbSize = platform::kNotifyIconIdentifierSize;
    icon.hWnd = handle();
    icon.uID = kTrayIconId;
    platform::ScreenRect rect;
    if (platform::shellApi().Shell_NotifyIconGetRect(&icon, &rect) != 0)
        return {cursor, false};
    bool overIcon = cursor.x >= rect.left && cursor.x < rect.right && cursor.y >= rect.top &&
                    cursor.y < rect.bottom;
    if (overIcon)
        return {cursor, false};
    return {{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, true};
}

void TLmrTrayForm::returnFocusToTray() {
    platform::NotifyIconDataA data = trayIconData();
    platform::shellApi().Shell_NotifyIconA(platform::kNimSetFocus, &data);
}

// The shell was restarted: put the icon back, without deleting it first.
bool TLmrTrayForm::onTaskbarCreated(unsigned msg) {
    if (taskbarCreatedMessage == 0 || msg != taskbarCreatedMessage)
        return false;
    addTrayIcon();
    return true;
}

void TLmrTrayForm::DefineMenuItemClick() {
    if (trayWindow)
        trayWindow->showDefineWindow();
}

void TLmrTrayForm::HelpMenuItemClick() {
    platform::shellApi().ShellExecuteA(handle(), "Open", "Lumaro.html", nullptr, nullptr,
                                       platform::kSwShow);
}

void TLmrTrayForm::AboutMenuItemClick() {
    if (trayWindow)
        trayWindow->showAboutBox();
}

// The controller's holder lets it go (every hotkey released, every window
// closed, the icon taken away); the process then ends at once: nothing may
// run afterwards through objects that are gone.
void TLmrTrayForm::ExitMenuItemClick() {
    if (trayWindow)
        trayWindow->owner()->holder().reset();
    close();
    platform::processApi().ExitProcess(0);
}

void TLmrTrayForm::FormCreate() {
    addTrayIcon();
}

void TLmrTrayForm::FormClose(tk::CloseAction&) {
    if (!retired)
        deleteTrayIcon();
}
