#pragma once
#include "toolkit/Control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

enum class CloseAction { None, Hide };

// A top-level window owned by the application's hidden window, so it never
// has a taskbar button. Subclasses override handleMessage for their own
// messages; everything else goes to the toolkit's default handling.
class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);

    void show();
    void hide() { setVisible(false); }
    // Asks onClose; then the main form terminates the application and any
    // other form hides.
    void close();
    void bringToFront();

    // Loads the 16 by 16 icon with this resource id from the program's
    // resources; iconHandle() is 0 if it could not be loaded.
    void setIcon(int resourceId);
    int iconResource() const { return iconResource_; }
    platform::Handle iconHandle() const { return icon_; }

    // Sends a message to the form's window, creating it if need be, and
    // returns the result: the same path the system's messages take.
    std::intptr_t dispatch(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    void post(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Called by the window for every message it receives.
    std::intptr_t receive(WindowPeer& window, unsigned msg, std::uintptr_t wParam,
                          std::intptr_t lParam) noexcept;

    // Raised by Application::createForm once the form is constructed.
    std::function<void()> onCreate;
    std::function<void()> onShow;
    std::function<void(CloseAction&)> onClose;

protected:
    // Sees every message first. Returns true when it handled the message and
    // set result; false passes the message on to the default handling.
    virtual bool handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                               std::intptr_t& result);
    std::unique_ptr<WindowPeer> createPeer() override;
    void visibleChanged() override;

private:
    friend class Application;
    void created() { raise(onCreate); }

    std::string caption_;
    int iconResource_ = 0;
    platform::Handle icon_ = 0;
};

} // namespace tk
