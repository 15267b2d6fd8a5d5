#include "toolkit/win32/FormWindow.h"

#include "toolkit/Form.h"
#include "toolkit/ScreenPlacement.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FontCache.h"
#include "toolkit/win32/Handles.h"

namespace tk {

namespace {

BOOL CALLBACK setFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

BOOL CALLBACK childDpiChanged(HWND child, LPARAM dpi) {
    if (Win32Window* window = Win32Window::fromHwnd(child))
        window->dpiChanged(static_cast<int>(dpi));
    return TRUE;
}

} // namespace

FormWindow::FormWindow(Form& form, HWND owner) : form_(form) {
    create(L"TkForm", form.caption(), style(), exStyle(), form.bounds(), owner);
    place(form.bounds());
    if (form.iconHandle() || form.largeIconHandle())
        setIcon(form.iconHandle(), form.largeIconHandle());
}

FormWindow::~FormWindow() {
    destroyOwnIcons();
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
        return {scaled(form_.bounds().width), scaled(form_.bounds().height)};
    // The frame is the one the system draws, at the DPI it gives the window;
    // the client area is the layout at the form's.
    RECT rect{0, 0, scaled(form_.clientWidth()), scaled(form_.clientHeight())};
    adjustWindowRectForDpi(rect, style(), exStyle(), dpiOf(hwnd()));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void FormWindow::setBounds(const Rect& at96Dpi) {
    place(at96Dpi);
}

void FormWindow::place(const Rect& at96Dpi) {
    SIZE size = outerSize();
    SetWindowPos(hwnd(), nullptr, scaled(at96Dpi.left), scaled(at96Dpi.top), size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A modal form opens over the window it was opened from, any other where
// the user works. A move onto a monitor of another DPI lays the form out
// anew (WM_DPICHANGED comes during the move), so it is centred again at its
// new size.
void FormWindow::centre() {
    HWND from = form_.modal() ? GetActiveWindow() : nullptr;
    platform::ScreenRect area =
        ScreenPlacement::workAreaFor(from && from != hwnd() ? toHandle(from) : 0);
    for (int tries = 0; tries < 2; ++tries) {
        int dpiBefore = dpi();
        SIZE size = outerSize();
        moveTo(ScreenPlacement::centred(area, size.cx, size.cy));
        if (dpi() == dpiBefore)
            break;
    }
}

void FormWindow::keepInWorkArea() {
    RECT now;
    GetWindowRect(hwnd(), &now);
    platform::ScreenRect window{now.left, now.top, now.right, now.bottom};
    platform::ScreenRect inside =
        ScreenPlacement::keptInside(ScreenPlacement::workAreaFor(toHandle(hwnd())), window);
    if (!(inside == window))
        moveTo(inside);
}

void FormWindow::moveTo(const platform::ScreenRect& rect) {
    SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setVisible(bool visible) {
    if (visible && form_.position() == FormPosition::ScreenCenter)
        centre();
    else if (visible)
        keepInWorkArea();
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
                     reinterpret_cast<LPARAM>(FontCache::instance().get(form_.font(), dpi())));
}

void FormWindow::setIcon(platform::Handle, platform::Handle) {
    applyIcons();
}

void FormWindow::applyIcons() {
    if (dpi() == systemDpi() || form_.iconResource() == 0) {
        Win32Window::setIcon(form_.iconHandle(), form_.largeIconHandle());
        destroyOwnIcons();
        return;
    }
    HICON previous[] = {ownIcons_[0], ownIcons_[1]};
    ownIcons_[0] = loadIconForDpi(form_.iconResource(), true, dpi());
    ownIcons_[1] = loadIconForDpi(form_.iconResource(), false, dpi());
    Win32Window::setIcon(toHandle(ownIcons_[0]), toHandle(ownIcons_[1]));
    for (HICON icon : previous)
        if (icon)
            DestroyIcon(icon);
}

void FormWindow::destroyOwnIcons() {
    for (HICON& icon : ownIcons_) {
        if (icon)
            DestroyIcon(icon);
        icon = nullptr;
    }
}

void FormWindow::dpiChanged(int dpi) {
    RECT now;
    GetWindowRect(hwnd(), &now);
    layOutAt(dpi, now.left, now.top);
}

// Every control is placed again from its 96-DPI bounds, so nothing drifts
// however often the form moves between monitors; the windows stay, and with
// them what the user typed, the focus and the page shown.
void FormWindow::layOutAt(int dpi, int left, int top) {
    Win32Window::dpiChanged(dpi);
    EnumChildWindows(hwnd(), childDpiChanged, dpi);
    applyIcons();
    SIZE size = outerSize();
    SetWindowPos(hwnd(), nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The DPI the window moves to comes with the message: a later query may
// still give the old one. The suggested rectangle keeps the window under the
// pointer while it is dragged; its size is the client size at that DPI in
// the frame the system draws at it.
LRESULT FormWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    layOutAt(LOWORD(wParam), suggested.left, suggested.top);
    return 0;
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
    case WM_DPICHANGED:
        return onDpiChanged(wParam, lParam);
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
