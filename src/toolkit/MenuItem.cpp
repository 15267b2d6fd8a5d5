#include "toolkit/MenuItem.h"

#include "toolkit/Application.h"

namespace tk {

MenuItem::MenuItem(std::string name, std::string caption, std::function<void()> onClick)
    : onClick(std::move(onClick)), name_(std::move(name)), caption_(std::move(caption)) {}

void MenuItem::click() {
    if (!onClick || isSeparator())
        return;
    // A copy: the handler may free the menu that holds this item.
    std::function<void()> handler = onClick;
    Application::instance().raise(handler);
}

} // namespace tk
