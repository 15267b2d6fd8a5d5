#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class UpDown;

// The system's up-down control. A press on an arrow steps the object, which
// keeps the range and writes the edit; the control itself changes nothing.
class UpDownWindow final : public ControlWindow {
public:
    UpDownWindow(UpDown& upDown, HWND parent);

    void changed(Aspect aspect) override;
    bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void showRange();
    void showPosition();

    UpDown& upDown_;
};

} // namespace tk
