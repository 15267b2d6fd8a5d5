#include "toolkit/win32/Win32Backend.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/win32/ApplicationWindow.h"
#include "toolkit/win32/ButtonWindow.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/EditWindow.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/GlyphButtonWindow.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/ImageWindow.h"
#include "toolkit/win32/LabelWindow.h"
#include "toolkit/win32/PanelWindow.h"
#include "toolkit/win32/RadioButtonWindow.h"
#include "toolkit/win32/RadioGroupWindow.h"
#include "toolkit/win32/UpDownWindow.h"
#include "toolkit/win32/WideText.h"

#include <optional>
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

std::optional<Key> toolkitKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_TAB:
        return Key::Tab;
    case VK_RETURN:
        return Key::Enter;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_SPACE:
        return Key::Space;
    case VK_LEFT:
        return Key::Left;
    case VK_UP:
        return Key::Up;
    case VK_RIGHT:
        return Key::Right;
    case VK_DOWN:
        return Key::Down;
    default:
        return std::nullopt;
    }
}

// The character WM_CHAR carries for the Enter key.
static_assert(kCharEnter == VK_RETURN);

// Set in a WM_KEYDOWN's lParam when the key was already down: auto-repeat.
constexpr LPARAM kRepeatBit = 1 << 30;

// The keys the toolkit handles go to the form of the window they are for,
// which has the focus, as keys go to the focus; the rest are left to that
// window.
bool handledByForm(const MSG& message) {
    if (message.message != WM_KEYDOWN)
        return false;
    std::optional<Key> key = toolkitKey(message.wParam);
    Win32Window* window = Win32Window::fromHwnd(message.hwnd);
    Control* control = window ? window->control() : nullptr;
    Form* form = control ? control->form() : nullptr;
    if (!key || !form)
        return false;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool repeat = (message.lParam & kRepeatBit) != 0;
    bool handled = false;
    Application::instance().runForSystem([&] {
        control->focusReceived();
        handled = repeat ? form->keyRepeated(*key, shift) : form->keyDown(*key, shift);
    });
    return handled;
}

} // namespace

Win32Backend::Win32Backend() : messageBox_(defaultMessageBox) {}

std::unique_ptr<WindowPeer> Win32Backend::createApplicationWindow(const std::string& title) {
    return std::make_unique<ApplicationWindow>(title);
}

std::unique_ptr<WindowPeer> Win32Backend::createFormWindow(Form& form, platform::Handle owner) {
    return std::make_unique<FormWindow>(form, toHwnd(owner));
}

std::unique_ptr<WindowPeer> Win32Backend::createPanelWindow(Panel& panel, platform::Handle parent) {
    return std::make_unique<PanelWindow>(panel, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createLabelWindow(Label& label, platform::Handle parent) {
    return std::make_unique<LabelWindow>(label, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createEditWindow(Edit& edit, platform::Handle parent) {
    return std::make_unique<EditWindow>(edit, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createButtonWindow(Button& button,
                                                             platform::Handle parent) {
    return std::make_unique<ButtonWindow>(button, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createGlyphButtonWindow(GlyphButton& button,
                                                                  platform::Handle parent) {
    return std::make_unique<GlyphButtonWindow>(button, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createRadioButtonWindow(RadioButton& button,
                                                                  platform::Handle parent) {
    return std::make_unique<RadioButtonWindow>(button, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createRadioGroupWindow(RadioGroup& group,
                                                                 platform::Handle parent) {
    return std::make_unique<RadioGroupWindow>(group, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createUpDownWindow(UpDown& upDown,
                                                             platform::Handle parent) {
    return std::make_unique<UpDownWindow>(upDown, toHwnd(parent));
}

std::unique_ptr<WindowPeer> Win32Backend::createImageWindow(Image& image, platform::Handle parent) {
    return std::make_unique<ImageWindow>(image, toHwnd(parent));
}

platform::Handle Win32Backend::loadIcon(int resourceId, IconSize size) {
    return toHandle(loadIconForDpi(resourceId, size == IconSize::Small, systemDpi()));
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
    dispatch(message);
    return LoopStep::Dispatched;
}

LoopStep Win32Backend::runPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return LoopStep::Quit;
        dispatch(message);
    }
    return LoopStep::Idle;
}

void Win32Backend::dispatch(MSG& message) {
    if (handledByForm(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// A quit request ends the modal loop as Cancel and is passed on to the loop
// that runs it.
void Win32Backend::runModal(Form& form) {
    MSG message;
    while (form.modalResult() == ModalResult::None) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            form.setModalResult(ModalResult::Cancel);
            return;
        }
        dispatch(message);
    }
}

platform::Handle Win32Backend::activeWindow() {
    return toHandle(GetActiveWindow());
}

void Win32Backend::activate(platform::Handle window) {
    if (IsWindow(toHwnd(window)) && IsWindowVisible(toHwnd(window)))
        SetActiveWindow(toHwnd(window));
}

void Win32Backend::postQuit() {
    PostQuitMessage(0);
}

void Win32Backend::errorBox(const std::string& text, const std::string& caption) {
    messageBox_(GetActiveWindow(), utf8ToWide(text), utf8ToWide(caption), MB_OK | MB_ICONERROR);
}

Backend& systemInstance(platform::SystemOf<Backend>) {
    static Win32Backend win32;
    return win32;
}

} // namespace tk
