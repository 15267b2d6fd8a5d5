#include "fakes/HeadlessTestBackend.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Messages.h"
#include "toolkit/PopupMenu.h"

#include <stdexcept>

void HeadlessTestBackend::countCreation() {
    if (creationsToFailure_ != 0 && --creationsToFailure_ == 0)
        throw std::runtime_error("The window cannot be created");
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createFormWindow(tk::Form& form,
                                                                      platform::Handle owner) {
    countCreation();
    return HeadlessBackend::createFormWindow(form, owner);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createPanelWindow(tk::Panel& panel,
                                                                       platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createPanelWindow(panel, parent);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createLabelWindow(tk::Label& label,
                                                                       platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createLabelWindow(label, parent);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createEditWindow(tk::Edit& edit,
                                                                      platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createEditWindow(edit, parent);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createButtonWindow(tk::Button& button,
                                                                        platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createButtonWindow(button, parent);
}

std::unique_ptr<tk::WindowPeer>
HeadlessTestBackend::createGlyphButtonWindow(tk::GlyphButton& button, platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createGlyphButtonWindow(button, parent);
}

std::unique_ptr<tk::WindowPeer>
HeadlessTestBackend::createRadioButtonWindow(tk::RadioButton& button, platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createRadioButtonWindow(button, parent);
}

std::unique_ptr<tk::WindowPeer>
HeadlessTestBackend::createRadioGroupWindow(tk::RadioGroup& group, platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createRadioGroupWindow(group, parent);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createUpDownWindow(tk::UpDown& upDown,
                                                                        platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createUpDownWindow(upDown, parent);
}

std::unique_ptr<tk::WindowPeer> HeadlessTestBackend::createImageWindow(tk::Image& image,
                                                                       platform::Handle parent) {
    countCreation();
    return HeadlessBackend::createImageWindow(image, parent);
}

// As the Win32 backend does, the menu is followed by a null message to its
// owner.
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
