#pragma once
#include "toolkit/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace tk {

// A radio button. The radio buttons with the same parent form one group:
// checking one unchecks the others.
class RadioButton : public Control {
public:
    RadioButton(std::string name, Control& parent);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);
    bool checked() const { return checked_; }
    // Checking raises onClick when the button was not checked before, also
    // when the program does it.
    void setChecked(bool checked);

    // As if the user clicked it.
    void click() { setChecked(true); }
    // Of a group only the checked button (or, with none checked, the first)
    // is a tab stop.
    bool tabStop() const override;
    // Space checks it; the arrows move to the previous or next button of the
    // group and check that.
    bool handleKey(Key key) override;

    std::function<void()> onClick;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    bool focusable() const override { return true; }

private:
    std::vector<RadioButton*> group() const;
    void moveInGroup(int direction);

    std::string caption_;
    bool checked_ = false;
};

} // namespace tk
