#pragma once
#include "toolkit/Control.h"
#include "toolkit/Font.h"
#include "toolkit/Key.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class Button;

enum class CloseAction { None, Hide };
enum class BorderStyle { Sizeable, Dialog };
enum class FormPosition { Designed, ScreenCenter };
enum class ModalResult { None = 0, Ok = 1, Cancel = 2 };

// A top-level window owned by the application's hidden window, so it never
// has a taskbar button. Its window calls the typed members (close() for the
// close box, keyDown ...); a subclass that speaks in window messages of its
// own overrides beforeToolkit.
class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);

    void show();
    void hide() { setVisible(false); }
    // Asks onClose; then a modal form ends with Cancel, the main form
    // terminates the application and any other form hides.
    void close();
    void bringToFront();
    // Makes the window if need be and puts it in the foreground, as the
    // system lets the program that has the user's attention do.
    void setForeground();

    // Loads the icon with this resource id from the program's resources, in
    // both sizes a window shows: iconHandle() is the small one (16 by 16, the
    // tray's too), largeIconHandle() the 32 by 32 one; 0 if it could not be
    // loaded.
    void setIcon(int resourceId);
    int iconResource() const { return iconResource_; }
    platform::Handle iconHandle() const { return icon_; }
    platform::Handle largeIconHandle() const { return largeIcon_; }

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool onTop);
    FormPosition position() const { return position_; }
    void setPosition(FormPosition position) { position_ = position; }
    // The size inside the frame. Once set, the window is made that much
    // larger than it, and the bounds give only the window's position.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    // The font of the form and of all its controls.
    const Font& font() const { return font_; }
    void setFont(Font font);

    // Shows the form with every other visible form disabled and waits until
    // a modal result is set; then hides it and gives the result.
    ModalResult showModal();
    bool modal() const { return modal_; }
    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result);

    // The control the keys go to; it keeps the focus while the form is hidden.
    Control* focusedControl() const { return focused_; }
    // A key the toolkit handles itself (Enter, Esc, Tab, Space, arrows).
    // False when it is left to the focused control's window.
    bool keyDown(Key key, bool shift = false);
    // The same key again while it is held down. It never presses a button:
    // only the first press of Enter or Space does.
    bool keyRepeated(Key key, bool shift = false);
    void focusNext(bool forward = true);
    // The controls Tab visits now, in order.
    std::vector<Control*> tabList() const;
    Button* defaultButton() const;
    Button* cancelButton() const;

    // The raw hook, called by the window with every message it receives
    // before the toolkit's own handling: true when it handled the message and
    // set result, false to leave it to the toolkit.
    virtual bool beforeToolkit(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                               std::intptr_t& result);

    // Raised by Application::createForm once the form is constructed. What
    // escapes it goes to whoever asked for the form, which is then not made.
    std::function<void()> onCreate;
    std::function<void()> onShow;
    std::function<void(CloseAction&)> onClose;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    void visibleChanged() override;

private:
    friend class Application;
    friend class Control;
    void formCreated() {
        if (onCreate)
            onCreate();
    }
    void setFocusedControl(Control* control) { focused_ = control; }
    void forget(Control& control);
    void pressEnter();
    bool pressEscape();

    std::string caption_;
    int iconResource_ = 0;
    platform::Handle icon_ = 0;
    platform::Handle largeIcon_ = 0;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    bool stayOnTop_ = false;
    FormPosition position_ = FormPosition::Designed;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    Font font_;
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;
    Control* focused_ = nullptr;
};

} // namespace tk
