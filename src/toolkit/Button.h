#pragma once
#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace tk {

// A push button. The form's default button is pressed by Enter when no
// focused control takes the key, its cancel button by Esc.
class Button : public Control {
public:
    Button(std::string name, Control& parent);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    bool isCancel() const { return cancel_; }
    void setCancel(bool isCancel) { cancel_ = isCancel; }

    // As if the user pressed it.
    void click();
    // Enter and Space press the focused button.
    bool handleKey(Key key) override;

    std::function<void()> onClick;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    bool focusable() const override { return true; }

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace tk
