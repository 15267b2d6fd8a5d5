#pragma once
#include "toolkit/Backend.h"
#include "toolkit/HeadlessWindow.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tk {

// A backend without any windowing system. Windows are records, posted
// messages wait in a queue until the loop runs, and the user is played by
// the test: error boxes are recorded, a menu asks the menu driver which item
// to choose, a modal form is handed to the modal driver, which sets its
// controls and presses a button. A modal form the driver leaves open is
// closed as by its close box.
class HeadlessBackend final : public Backend {
public:
    struct ErrorBox {
        std::string text;
        std::string caption;
        bool operator==(const ErrorBox&) const = default;
    };
    struct MenuShown {
        std::string menu;
        platform::Handle owner;
        int x;
        int y;
    };
    // Returns the name of the item to choose; "" dismisses the menu.
    using MenuDriver = std::function<std::string(const PopupMenu&)>;
    using ModalDriver = std::function<void(Form&)>;
    // Runs while an error box is up; what it posts, the box's own message
    // loop delivers, as MessageBox does.
    using ErrorBoxDriver = std::function<void()>;

    std::unique_ptr<WindowPeer> createApplicationWindow(const std::string& title) override;
    std::unique_ptr<WindowPeer> createFormWindow(Form& form, platform::Handle owner) override;
    std::unique_ptr<WindowPeer> createPanelWindow(Panel& panel, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createLabelWindow(Label& label, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createEditWindow(Edit& edit, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createButtonWindow(Button& button,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createGlyphButtonWindow(GlyphButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioButtonWindow(RadioButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioGroupWindow(RadioGroup& group,
                                                       platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createUpDownWindow(UpDown& upDown,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createImageWindow(Image& image, platform::Handle parent) override;
    platform::Handle loadIcon(int resourceId) override;
    void destroyIcon(platform::Handle icon) override;
    int trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) override;
    std::intptr_t sendMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    LoopStep runOne() override;
    LoopStep runPending() override;
    void postQuit() override;
    void runModal(Form& form) override;
    platform::Handle activeWindow() override { return front_; }
    void activate(platform::Handle window) override { front_ = window; }
    void errorBox(const std::string& text, const std::string& caption) override;

    const std::vector<ErrorBox>& errorBoxes() const { return errorBoxes_; }
    const std::vector<MenuShown>& menusShown() const { return menusShown_; }
    void setMenuDriver(MenuDriver driver) { menuDriver_ = std::move(driver); }
    void setModalDriver(ModalDriver driver) { modalDriver_ = std::move(driver); }
    void setErrorBoxDriver(ErrorBoxDriver driver) { errorBoxDriver_ = std::move(driver); }
    // The n-th window made from now on (1-based) fails with an exception.
    void failWindowCreation(std::size_t n) { creationsToFailure_ = n; }
    // For the modal loop: hands the shown form to the driver. False when there
    // is no driver.
    bool driveModal(Form& form);
    // The names of the forms shown modally, in order.
    const std::vector<std::string>& modalsShown() const { return modalsShown_; }

    // Queues an action for the loop, as if the user or the system did it.
    void post(std::function<void()> task);
    std::size_t pending() const { return queue_.size(); }

    const HeadlessWindow* window(platform::Handle handle) const;
    std::size_t windowCount() const { return windows_.size(); }
    platform::Handle frontWindow() const { return front_; }
    platform::Handle focusWindow() const { return focus_; }
    // The resource an icon handle was loaded from; 0 for no live icon.
    int iconResource(platform::Handle icon) const;
    std::size_t iconCount() const { return icons_.size(); }

    // For HeadlessWindow.
    platform::Handle add(HeadlessWindow& window);
    void remove(platform::Handle handle);
    void raised(platform::Handle handle) { front_ = handle; }
    void focused(platform::Handle handle) { focus_ = handle; }

private:
    struct Posted {
        platform::Handle window = 0;
        unsigned msg = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
        std::function<void()> task;
        bool quit = false;
    };
    void deliver(const Posted& posted);
    std::unique_ptr<WindowPeer> childWindow(Control& control, platform::Handle parent);
    void countCreation();

    std::deque<Posted> queue_;
    std::map<platform::Handle, HeadlessWindow*> windows_;
    std::map<platform::Handle, int> icons_;
    platform::Handle nextHandle_ = 0x10010;
    platform::Handle front_ = 0;
    platform::Handle focus_ = 0;
    std::vector<std::string> modalsShown_;
    std::vector<ErrorBox> errorBoxes_;
    std::vector<MenuShown> menusShown_;
    MenuDriver menuDriver_;
    ModalDriver modalDriver_;
    ErrorBoxDriver errorBoxDriver_;
    std::size_t creationsToFailure_ = 0;
};

} // namespace tk
