#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"
#include "toolkit/WindowPeer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tk {

class Button;
class Edit;
class Form;
class GlyphButton;
class Image;
class Label;
class Panel;
class PopupMenu;
class RadioButton;
class RadioGroup;
class UpDown;

// What one turn of the message loop came to.
enum class LoopStep { Dispatched, Idle, Quit };

// The windowing system the toolkit realizes its objects on: Win32, or the
// headless one the native tests drive.
class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<WindowPeer> createApplicationWindow(const std::string& title) = 0;
    virtual std::unique_ptr<WindowPeer> createFormWindow(Form& form, platform::Handle owner) = 0;
    // The windows of the controls, made as children of the parent's window.
    virtual std::unique_ptr<WindowPeer> createPanelWindow(Panel& panel,
                                                          platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createLabelWindow(Label& label,
                                                          platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createEditWindow(Edit& edit, platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createButtonWindow(Button& button,
                                                           platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createGlyphButtonWindow(GlyphButton& button,
                                                                platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createRadioButtonWindow(RadioButton& button,
                                                                platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createRadioGroupWindow(RadioGroup& group,
                                                               platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createUpDownWindow(UpDown& upDown,
                                                           platform::Handle parent) = 0;
    virtual std::unique_ptr<WindowPeer> createImageWindow(Image& image,
                                                          platform::Handle parent) = 0;
    // The small one goes on a caption and in the tray, the large one in the
    // task switcher. Returns 0 when the resource cannot be loaded.
    virtual platform::Handle loadIcon(int resourceId, IconSize size) = 0;
    virtual void destroyIcon(platform::Handle icon) = 0;
    // Shows the menu at screen coordinates and returns the index of the chosen
    // item, or -1 when the menu was dismissed.
    virtual int trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) = 0;

    virtual std::intptr_t sendMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    virtual void postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // Waits for the next message and dispatches it.
    virtual LoopStep runOne() = 0;
    // Dispatches what is waiting without waiting for more.
    virtual LoopStep runPending() = 0;
    virtual void postQuit() = 0;
    // The nested loop of a modal form: returns once the form has a modal
    // result, or when the application is asked to quit.
    virtual void runModal(Form& form) = 0;
    virtual platform::Handle activeWindow() = 0;
    virtual void activate(platform::Handle window) = 0;

    virtual void errorBox(const std::string& text, const std::string& caption) = 0;
};

// The Win32 backend, defined by the Windows build (see platform/Seam.h).
Backend& systemInstance(platform::SystemOf<Backend>);

// The backend in use: the one a test installed (ScopedBackend), else the
// system's.
inline Backend& backend() {
    return platform::Seam<Backend>::get();
}

} // namespace tk
