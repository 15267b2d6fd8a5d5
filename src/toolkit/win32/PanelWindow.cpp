#include "toolkit/win32/PanelWindow.h"

#include "toolkit/Panel.h"
#include "toolkit/win32/Painting.h"
#include "toolkit/win32/WideText.h"

#include <windowsx.h>

namespace tk {

namespace {

void bevel(HDC dc, RECT& rect, Bevel kind) {
    COLORREF light = colorOf(SysColor::BtnHighlight);
    COLORREF dark = colorOf(SysColor::BtnShadow);
    if (kind == Bevel::Raised)
        frame3D(dc, rect, light, dark);
    else if (kind == Bevel::Lowered)
        frame3D(dc, rect, dark, light);
}

} // namespace

PanelWindow::PanelWindow(Panel& panel, HWND parent) : ControlWindow(panel), panel_(panel) {
    createChild(L"TkPanel", nullptr, panel.caption(), 0, WS_EX_CONTROLPARENT, parent);
}

void PanelWindow::setText(const std::string& utf8) {
    Win32Window::setText(utf8);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// A toggle's bevels are its pressed state, which a screen reader hears of.
void PanelWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Look)
        InvalidateRect(hwnd(), nullptr, TRUE);
    if (aspect == Aspect::Look && panel_.takesFocus())
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    ControlWindow::changed(aspect);
}

LRESULT PanelWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        return onPaint();
    case WM_LBUTTONDOWN:
        return onButtonDown();
    case WM_LBUTTONUP:
        return onButtonUp(lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd(), nullptr, TRUE);
        return ControlWindow::procedure(msg, wParam, lParam);
    default:
        return ControlWindow::procedure(msg, wParam, lParam);
    }
}

LRESULT PanelWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT rect;
    GetClientRect(hwnd(), &rect);
    bevel(dc, rect, panel_.bevelOuter());
    bevel(dc, rect, panel_.bevelInner());
    bool marked = markedPressed();
    if (marked)
        FillRect(dc, &rect, brushOf(SysColor::Highlight));
    paintCaption(dc, rect, marked ? SysColor::HighlightText : SysColor::BtnText);
    if (GetFocus() == hwnd()) {
        InflateRect(&rect, -2, -2);
        DrawFocusRect(dc, &rect);
    }
    EndPaint(hwnd(), &paint);
    return 0;
}

// Under high contrast a pressed toggle is told apart by more than a bevel a
// pixel wide: it is drawn in the highlight colours.
bool PanelWindow::markedPressed() const {
    return panel_.takesFocus() && panel_.pressed() && highContrast();
}

void PanelWindow::paintCaption(HDC dc, RECT rect, SysColor ink) {
    if (panel_.caption().empty())
        return;
    HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorOf(panel_.enabled() ? ink : SysColor::GrayText));
    DrawTextW(dc, utf8ToWide(panel_.caption()).c_str(), -1, &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

LRESULT PanelWindow::onButtonDown() {
    pressed_ = true;
    SetCapture(hwnd());
    return 0;
}

LRESULT PanelWindow::onButtonUp(LPARAM lParam) {
    if (!pressed_)
        return 0;
    pressed_ = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(hwnd(), &client);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (PtInRect(&client, at))
        panel_.click();
    return 0;
}

} // namespace tk
