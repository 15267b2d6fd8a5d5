#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class RadioButton;

// A radio button whose check mark follows its object; the object, not the
// system, unchecks the others of its group.
class RadioButtonWindow final : public ControlWindow {
public:
    RadioButtonWindow(RadioButton& button, HWND parent);

    void changed(Aspect aspect) override;
    bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    RadioButton& button_;
};

} // namespace tk
