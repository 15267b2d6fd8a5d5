#pragma once
#include "platform/Win32Types.h"

class KeyCombination;
class Lumaro;
class TLmrTrayForm;

// Between the controller and the hidden tray form. It owns the controller:
// deleting it (the menu's "Exit") deletes the controller.
class LmrTrayWindow {
public:
    explicit LmrTrayWindow(Lumaro* owner);
    ~LmrTrayWindow();
    LmrTrayWindow(const LmrTrayWindow&) = delete;
    LmrTrayWindow& operator=(const LmrTrayWindow&) = delete;

    void showDefineWindow();
    void showAboutBox();
    void executeHotKey(const KeyCombination& combination);
    platform::Handle windowHandle();
    // For a controller whose construction failed: it is gone already, and
    // the form must not reach it any more.
    void abandonOwner();
    // Until the controller is complete, the menu, the icon and the hotkeys
    // reach nothing: an error box during its construction runs a message loop.
    void ownerStarted() { started_ = true; }
    bool started() const { return started_; }

    TLmrTrayForm* form() const { return form_; }
    Lumaro* owner() const { return owner_; }

private:
    Lumaro* owner_;
    TLmrTrayForm* form_;
    bool started_ = false;
};
