#include "fakes/HeadlessTestBackend.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Messages.h"
#include "toolkit/PopupMenu.h"

#include <stdexcept>

void HeadlessTestBackend::windowCreating() {
    if (creationsToFailure_ != 0 && --creationsToFailure_ == 0)
        throw std::runtime_error("The window cannot be created");
}

int HeadlessTestBackend::trackPopupMenu(const tk::PopupMenu& menu, platform::Handle owner, int x,
                                        int y) {
    menusShown_.push_back({menu.name(), owner, x, y});
    std::string choice = menuDriver_ ? menuDriver_(menu) : std::string();
    postMessage(owner, tk::msg::kNull, 0, 0);
    const auto& items = menu.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!choice.empty() && items[i]->name() == choice)
            return static_cast<int>(i);
    }
    return -1;
}

// The driver plays the user, so it runs as the system's calls do.
void HeadlessTestBackend::runModal(tk::Form& form) {
    modalsShown_.push_back(form.name());
    if (modalDriver_)
        tk::Application::instance().runForSystem([&] { modalDriver_(form); });
    HeadlessBackend::runModal(form);
}

void HeadlessTestBackend::errorBox(const std::string& text, const std::string& caption) {
    errorBoxes_.push_back({text, caption});
    if (!errorBoxDriver_)
        return;
    errorBoxDriver_();
    runPending();
}
