#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Label;

// A label, painted here on one line that never wraps. Auto-sized, it takes
// its text's size and keeps the edge its alignment holds to (the right edge
// of a right-aligned label) where the layout put it.
class LabelWindow final : public ControlWindow {
public:
    LabelWindow(Label& label, HWND parent);

    void setText(const std::string& utf8) override;
    void setBounds(const Rect& at96Dpi) override;
    void setEnabled(bool enabled) override;
    void changed(Aspect aspect) override;

protected:
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();
    UINT alignmentFormat() const;
    void fitText();

    Label& label_;
};

} // namespace tk
