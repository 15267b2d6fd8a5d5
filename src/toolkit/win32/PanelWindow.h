#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Panel;

// A panel: bevels and caption painted here; the notifications of the
// controls inside go on to their objects.
class PanelWindow final : public ControlWindow {
public:
    PanelWindow(Panel& panel, HWND parent);

    void setText(const std::string& utf8) override;
    void changed(Aspect aspect) override;

protected:
    LRESULT receive(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();
    LRESULT onButtonDown();
    LRESULT onButtonUp(LPARAM lParam);
    LRESULT onReflect(UINT msg, WPARAM wParam, LPARAM lParam);
    void paintCaption(HDC dc, RECT rect);

    Panel& panel_;
    bool pressed_ = false;
};

} // namespace tk
