#pragma once
#include "toolkit/Control.h"
#include "toolkit/SysColor.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tk {

class UpDown;

// A single-line text edit.
class Edit : public Control {
public:
    Edit(std::string name, Control& parent);
    ~Edit() override;

    const std::string& text() const { return text_; }
    void setText(std::string utf8);
    // Data text in the system's ANSI code page. A text that nobody changed
    // since it was set gives back exactly the bytes it was set from, even
    // where the code page cannot show them.
    void setAnsiText(std::string ansi);
    std::string ansiText() const;

    // The most UTF-16 units typing or pasting can bring the text to (0: the
    // most the system's edit takes). Text the program sets is not cut.
    std::size_t maxLength() const { return maxLength_; }
    void setMaxLength(std::size_t units);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    SysColor color() const { return color_; }
    void setColor(SysColor color);

    // As if the user typed the character: onKeyPress sees it first and may
    // swallow it; what is left is added at the end unless read-only.
    void typeChar(char32_t key);
    // Raises onKeyPress; false when the handler swallowed the character
    // (set it to 0) or failed.
    bool keyPress(char32_t& key);
    // The text changed in the window, under the user's hands.
    void textEdited(std::string utf8);

    // The up-down attached to this edit, if any.
    UpDown* upDown() const { return upDown_; }
    // Enter goes to onKeyPress; Up and Down step the attached up-down.
    bool handleKey(Key key) override;

    // The raw hook, called by the window with every message it receives
    // after the edit's own handling of it.
    virtual void afterEdit(unsigned, std::uintptr_t, std::intptr_t) {}

    std::function<void(char32_t& key)> onKeyPress;
    std::function<void()> onChange;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    bool focusable() const override { return true; }

private:
    friend class UpDown;
    struct AnsiOrigin {
        std::string bytes;
        std::string shown;
    };
    void insert(char32_t key);

    std::string text_;
    std::optional<AnsiOrigin> origin_;
    std::size_t maxLength_ = 0;
    bool readOnly_ = false;
    SysColor color_ = SysColor::Window;
    UpDown* upDown_ = nullptr;
};

} // namespace tk
