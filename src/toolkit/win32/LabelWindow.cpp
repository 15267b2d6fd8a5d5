#include "toolkit/win32/LabelWindow.h"

#include "toolkit/Label.h"
#include "toolkit/win32/Painting.h"
#include "toolkit/win32/WideText.h"

namespace tk {

LabelWindow::LabelWindow(Label& label, HWND parent) : ControlWindow(label), label_(label) {
    createChild(L"TkLabel", nullptr, label.caption(), 0, 0, parent);
    fitText();
}

void LabelWindow::setText(const std::string& utf8) {
    Win32Window::setText(utf8);
    fitText();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void LabelWindow::setBounds(const Rect& at96Dpi) {
    Win32Window::setBounds(at96Dpi);
    fitText();
}

void LabelWindow::setEnabled(bool enabled) {
    Win32Window::setEnabled(enabled);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void LabelWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Look) {
        // A label fitted to its text (perhaps an empty one) and then no
        // longer auto-sized takes its own bounds back.
        if (label_.autoSize())
            fitText();
        else
            Win32Window::setBounds(label_.bounds());
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
    ControlWindow::changed(aspect);
}

LRESULT LabelWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the paint fills the whole label
    case WM_PAINT:
        return onPaint();
    default:
        return ControlWindow::procedure(msg, wParam, lParam);
    }
}

UINT LabelWindow::alignmentFormat() const {
    switch (label_.alignment()) {
    case Alignment::Center:
        return DT_CENTER;
    case Alignment::Right:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

// A disabled label is in the disabled-text colour of the user's scheme.
LRESULT LabelWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT rect;
    GetClientRect(hwnd(), &rect);
    FillRect(dc, &rect, brushOf(SysColor::BtnFace));
    HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = utf8ToWide(label_.caption());
    UINT format = DT_SINGLELINE | DT_NOPREFIX | alignmentFormat();
    SetTextColor(dc, colorOf(IsWindowEnabled(hwnd()) ? SysColor::BtnText : SysColor::GrayText));
    DrawTextW(dc, text.c_str(), -1, &rect, format);
    SelectObject(dc, previous);
    EndPaint(hwnd(), &paint);
    return 0;
}

void LabelWindow::fitText() {
    if (!label_.autoSize())
        return;
    std::wstring text = utf8ToWide(label_.caption());
    HDC dc = GetDC(hwnd());
    HGDIOBJ previous = SelectObject(dc, font());
    SIZE size{};
    TEXTMETRICW metrics{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(hwnd(), dc);
    const Rect& bounds = label_.bounds();
    int left = scaled(bounds.left);
    int room = scaled(bounds.width) - size.cx;
    if (label_.alignment() == Alignment::Right)
        left += room;
    else if (label_.alignment() == Alignment::Center)
        left += room / 2;
    SetWindowPos(hwnd(), nullptr, left, scaled(bounds.top), size.cx, metrics.tmHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tk
