#pragma once
#include "platform/Win32Types.h"

class KeyCombination;
class Lumaro;
class TLmrTrayForm;

// Between the controller, which owns it, and the hidden tray form, which the
// application owns and which outlives it.
class LmrTrayWindow {
public:
    explicit LmrTrayWindow(Lumaro* owner);
    // The icon goes, and the form acts on nothing from then on: after a
    // failed start an error box runs a message loop.
    ~LmrTrayWindow();
    LmrTrayWindow(const LmrTrayWindow&) = delete;
    LmrTrayWindow& operator=(const LmrTrayWindow&) = delete;

    void showDefineWindow();
    void showAboutBox();
    void executeHotKey(const KeyCombination& combination);
    platform::Handle windowHandle();
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
