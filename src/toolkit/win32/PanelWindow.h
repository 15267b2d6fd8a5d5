#pragma once
#include "toolkit/SysColor.h"
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Panel;

// A panel: bevels and caption painted here, a click of the mouse inside it
// made its click.
class PanelWindow final : public ControlWindow {
public:
    PanelWindow(Panel& panel, HWND parent);

    void setText(const std::string& utf8) override;
    void changed(Aspect aspect) override;

protected:
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();
    LRESULT onButtonDown();
    LRESULT onButtonUp(LPARAM lParam);
    bool markedPressed() const;
    void paintCaption(HDC dc, RECT rect, SysColor ink);

    Panel& panel_;
    bool pressed_ = false;
};

} // namespace tk
