#include "toolkit/win32/RadioGroupWindow.h"

#include "toolkit/RadioGroup.h"
#include "toolkit/win32/Painting.h"
#include "toolkit/win32/WideText.h"

namespace tk {

RadioGroupWindow::RadioGroupWindow(RadioGroup& group, HWND parent)
    : ControlWindow(group), group_(group) {
    createChild(L"TkRadioGroup", nullptr, group.caption(), 0, WS_EX_CONTROLPARENT, parent);
}

void RadioGroupWindow::setText(const std::string& utf8) {
    Win32Window::setText(utf8);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT RadioGroupWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        return onPaint();
    default:
        return ControlWindow::procedure(msg, wParam, lParam);
    }
}

// An etched frame from the middle of the caption's line down, the caption
// on the button face over its top edge.
LRESULT RadioGroupWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    HGDIOBJ previous = SelectObject(dc, font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame;
    GetClientRect(hwnd(), &frame);
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::wstring caption = utf8ToWide(group_.caption());
    if (!caption.empty()) {
        SetBkColor(dc, colorOf(SysColor::BtnFace));
        SetTextColor(dc, colorOf(IsWindowEnabled(hwnd()) ? SysColor::BtnText : SysColor::GrayText));
        TextOutW(dc, metrics.tmAveCharWidth, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, previous);
    EndPaint(hwnd(), &paint);
    return 0;
}

} // namespace tk
