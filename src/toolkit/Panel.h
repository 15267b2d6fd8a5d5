#pragma once
#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace tk {

enum class Bevel { None, Raised, Lowered };

// A container drawn with an outer and an inner bevel, the classic 3-D edges,
// and an optional centred caption. It takes clicks; only a panel used as a
// button takes the focus too, and then Space clicks it.
class Panel : public Control {
public:
    Panel(std::string name, Control& parent);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);
    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel bevel);

    bool takesFocus() const { return takesFocus_; }
    void setTakesFocus(bool takesFocus) { takesFocus_ = takesFocus; }
    // A panel used as a toggle button is down while its outer bevel is.
    bool pressed() const { return bevelOuter_ == Bevel::Lowered; }

    // As if the user clicked it.
    void click();
    bool handleKey(Key key) override;

    std::function<void()> onClick;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    bool focusable() const override { return takesFocus_; }

private:
    std::string caption_;
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    bool takesFocus_ = false;
};

} // namespace tk
