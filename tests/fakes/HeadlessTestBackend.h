#pragma once
#include "toolkit/HeadlessBackend.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The headless backend with the user played by the test: error boxes are
// recorded, a menu asks the menu driver which item to choose, a modal form is
// handed to the modal driver, which sets its controls and presses a button,
// and any window can be made to fail.
class HeadlessTestBackend final : public tk::HeadlessBackend {
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
    using MenuDriver = std::function<std::string(const tk::PopupMenu&)>;
    using ModalDriver = std::function<void(tk::Form&)>;
    // Runs while an error box is up; what it posts, the box's own message
    // loop delivers, as MessageBox does.
    using ErrorBoxDriver = std::function<void()>;

    int trackPopupMenu(const tk::PopupMenu& menu, platform::Handle owner, int x, int y) override;
    void runModal(tk::Form& form) override;
    void errorBox(const std::string& text, const std::string& caption) override;

    const std::vector<ErrorBox>& errorBoxes() const { return errorBoxes_; }
    const std::vector<MenuShown>& menusShown() const { return menusShown_; }
    void setMenuDriver(MenuDriver driver) { menuDriver_ = std::move(driver); }
    void setModalDriver(ModalDriver driver) { modalDriver_ = std::move(driver); }
    // A driver of one kind of modal form, handed the form as that kind.
    template <class F> void setModalDriver(std::function<void(F&)> driver) {
        setModalDriver([driver](tk::Form& shown) { driver(dynamic_cast<F&>(shown)); });
    }
    void setErrorBoxDriver(ErrorBoxDriver driver) { errorBoxDriver_ = std::move(driver); }
    // The n-th window made from now on (1-based) fails with an exception.
    void failWindowCreation(std::size_t n) { creationsToFailure_ = n; }
    // The names of the forms shown modally, in order.
    const std::vector<std::string>& modalsShown() const { return modalsShown_; }

protected:
    void windowCreating() override;

private:
    std::vector<std::string> modalsShown_;
    std::vector<ErrorBox> errorBoxes_;
    std::vector<MenuShown> menusShown_;
    MenuDriver menuDriver_;
    ModalDriver modalDriver_;
    ErrorBoxDriver errorBoxDriver_;
    std::size_t creationsToFailure_ = 0;
};
