#pragma once
#include <functional>
#include <string>

namespace tk {

// An item of a pop-up menu; the caption "-" makes it a separator.
class MenuItem {
public:
    MenuItem(std::string name, std::string caption, std::function<void()> onClick = {});

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8) { caption_ = std::move(utf8); }
    bool isSeparator() const { return caption_ == "-"; }

    // As if the user chose the item: runs onClick, showing what escapes it.
    void click();

    std::function<void()> onClick;

private:
    std::string name_;
    std::string caption_;
};

} // namespace tk
