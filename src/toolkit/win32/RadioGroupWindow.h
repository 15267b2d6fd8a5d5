#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class RadioGroup;

// The frame and caption of a radio group; its buttons are child windows.
class RadioGroupWindow final : public ControlWindow {
public:
    RadioGroupWindow(RadioGroup& group, HWND parent);

    void setText(const std::string& utf8) override;

protected:
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();

    RadioGroup& group_;
};

} // namespace tk
