#include "toolkit/win32/FormWindow.h"

#include "toolkit/Form.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FontCache.h"

namespace tk {

namespace {

BOOL CALLBACK setFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

} // namespace

FormWindow::FormWindow(Form& form, HWND owner) : form_(form) {
    create(L"TkForm", form.caption(), style(), exStyle(), form.bounds(), owner);
    place(form.bounds());
    if (form.iconHandle() || form.largeIconHandle())
        setIcon(form.iconHandle(), form.largeIconHandle());
}

Control* FormWindow::control() const {
    return &form_;
}

// No WS_CLIPCHILDREN here or in panels, as in a dialog: a window that clips
// its children has each of them erased as soon as it is shown, then painted
// later with a second device context.
DWORD FormWindow::style() const {
    if (form_.borderStyle() == BorderStyle::Dialog)
        return WS_CAPTION | WS_SYSMENU;
    return WS_OVERLAPPEDWINDOW;
}

DWORD FormWindow::exStyle() const {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (form_.borderStyle() == BorderStyle::Dialog)
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (form_.stayOnTop())
        exStyle |= WS_EX_TOPMOST;
    return exStyle;
}

SIZE FormWindow::outerSize() const {
    if (form_.clientWidth() <= 0 || form_.clientHeight() <= 0)
        return {scaleFrom96Dpi(form_.bounds().width), scaleFrom96Dpi(form_.bounds().height)};
    RECT rect{0, 0, scaleFrom96Dpi(form_.clientWidth()), scaleFrom96Dpi(form_.clientHeight())};
    AdjustWindowRectEx(&rect, style(), FALSE, exStyle());
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void FormWindow::setBounds(const Rect& at96Dpi) {
    place(at96Dpi);
}

void FormWindow::place(const Rect& at96Dpi) {
    SIZE size = outerSize();
    SetWindowPos(hwnd(), nullptr, scaleFrom96Dpi(at96Dpi.left), scaleFrom96Dpi(at96Dpi.top),
                 size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::centre() {
    SIZE size = outerSize();
    int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    SetWindowPos(hwnd(), nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setVisible(bool visible) {
    if (visible && form_.position() == FormPosition::ScreenCenter)
        centre();
    Win32Window::setVisible(visible);
}

void FormWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Look) {
        applyLook();
        applyFont();
    }
}

void FormWindow::applyLook() {
    SetWindowLongPtrW(hwnd(), GWL_STYLE,
                      static_cast<LONG_PTR>(style() | (GetWindowLongPtrW(hwnd(), GWL_STYLE) &
                                                       (WS_VISIBLE | WS_DISABLED))));
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle()));
    SIZE size = outerSize();
    SetWindowPos(hwnd(), form_.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormWindow::applyFont() {
    EnumChildWindows(hwnd(), setFont,
                     reinterpret_cast<LPARAM>(FontCache::instance().get(form_.font())));
}

Tooltip& FormWindow::tooltip() {
    if (!tooltip_)
        tooltip_ = std::make_unique<Tooltip>(hwnd());
    return *tooltip_;
}

LRESULT FormWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    std::intptr_t result = 0;
    if (form_.beforeToolkit(msg, wParam, lParam, result))
        return result;
    return toolkitProcedure(msg, wParam, lParam);
}

LRESULT FormWindow::toolkitProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        form_.close();
        return 0;
    case WM_ACTIVATE:
        return onActivate(wParam, lParam);
    case WM_SETFOCUS:
        return onSetFocus(wParam, lParam);
    default:
        return Win32Window::procedure(msg, wParam, lParam);
    }
}

// The focus goes back to the control that had it, not to the form itself.
LRESULT FormWindow::onActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != WA_INACTIVE && focusControl())
        return 0;
    return classDefault(WM_ACTIVATE, wParam, lParam);
}

LRESULT FormWindow::onSetFocus(WPARAM wParam, LPARAM lParam) {
    if (focusControl())
        return 0;
    return classDefault(WM_SETFOCUS, wParam, lParam);
}

bool FormWindow::focusControl() {
    Control* focused = form_.focusedControl();
    if (!focused || !focused->handleAllocated() || !focused->canFocus())
        return false;
    SetFocus(reinterpret_cast<HWND>(focused->handle()));
    return true;
}

} // namespace tk
