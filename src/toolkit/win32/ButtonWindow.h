#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Button;

// A push button; a click, however made, reaches the button's object.
class ButtonWindow : public ControlWindow {
public:
    ButtonWindow(Button& button, HWND parent);

    void changed(Aspect aspect) override;
    bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    ButtonWindow(Button& button, HWND parent, DWORD kindStyle);

private:
    Button& button_;
};

} // namespace tk
