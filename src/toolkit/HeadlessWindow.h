#pragma once
#include "toolkit/WindowPeer.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

class Control;
class Form;
class HeadlessBackend;

// A window of the headless backend: it only keeps what it was told, for
// tests to look at. A raw message sent to it reaches its control's raw hook
// and nothing else; everything else comes as typed calls.
class HeadlessWindow final : public WindowPeer {
public:
    HeadlessWindow(HeadlessBackend& backend, Control* control, platform::Handle owner);
    ~HeadlessWindow() override;

    platform::Handle handle() const override { return handle_; }
    void setText(const std::string& utf8) override { text_ = utf8; }
    void setBounds(const Rect& at96Dpi) override { bounds_ = at96Dpi; }
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void bringToFront() override;
    void setIcon(platform::Handle smallIcon, platform::Handle largeIcon) override {
        icon_ = smallIcon;
        largeIcon_ = largeIcon;
    }
    void setForeground() override;
    void setFocus() override;

    // The control's raw hook (a form's beforeToolkit, an edit's afterEdit);
    // none for the other windows.
    using RawHook = std::function<std::intptr_t(unsigned, std::uintptr_t, std::intptr_t)>;
    void setRawHook(RawHook hook) { rawHook_ = std::move(hook); }
    std::intptr_t receiveRaw(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    Control* control() const { return control_; }
    Form* form() const;
    // The owner of a form's window, the parent of a control's.
    platform::Handle owner() const { return owner_; }
    const std::string& text() const { return text_; }
    const Rect& bounds() const { return bounds_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    platform::Handle icon() const { return icon_; }
    platform::Handle largeIcon() const { return largeIcon_; }

private:
    HeadlessBackend& backend_;
    Control* control_;
    platform::Handle owner_;
    platform::Handle handle_;
    std::string text_;
    Rect bounds_;
    bool visible_ = false;
    bool enabled_ = true;
    platform::Handle icon_ = 0;
    platform::Handle largeIcon_ = 0;
    RawHook rawHook_;
};

} // namespace tk
