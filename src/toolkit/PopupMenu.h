#pragma once
#include "toolkit/MenuItem.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Form;

// A menu popped up at a screen position, owned by a form whose window
// receives its messages.
class PopupMenu {
public:
    PopupMenu(std::string name, Form& owner);

    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }

    MenuItem& add(std::string name, std::string caption, std::function<void()> onClick = {});
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    MenuItem* find(std::string_view name) const;

    // Shows the menu with its top left corner at (x, y) in screen pixels and
    // clicks the item the user chooses, once the menu has closed; false when
    // the menu closed without a choice.
    bool popup(int x, int y);

private:
    std::string name_;
    Form& owner_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

} // namespace tk
