#include "toolkit/PopupMenu.h"

#include "toolkit/Backend.h"
#include "toolkit/Form.h"

#include <algorithm>

namespace tk {

PopupMenu::PopupMenu(std::string name, Form& owner) : name_(std::move(name)), owner_(owner) {}

MenuItem& PopupMenu::add(std::string name, std::string caption, std::function<void()> onClick) {
    items_.push_back(
        std::make_unique<MenuItem>(std::move(name), std::move(caption), std::move(onClick)));
    return *items_.back();
}

MenuItem* PopupMenu::find(std::string_view name) const {
    auto found =
        std::find_if(items_.begin(), items_.end(),
                     [&](const std::unique_ptr<MenuItem>& item) { return item->name() == name; });
    return found == items_.end() ? nullptr : found->get();
}

bool PopupMenu::popup(int x, int y) {
    int chosen = backend().trackPopupMenu(*this, owner_.handle(), x, y);
    if (chosen < 0 || chosen >= static_cast<int>(items_.size()))
        return false;
    items_[chosen]->click();
    return true;
}

} // namespace tk
