#include "toolkit/win32/Win32Window.h"

#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/WideText.h"

#include <stdexcept>

namespace tk {

Win32Window::~Win32Window() {
    if (!hwnd_)
        return;
    // Nothing of this object may be reached while the window goes away.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

platform::Handle Win32Window::handle() const {
    return toHandle(hwnd_);
}

void Win32Window::setText(const std::string& utf8) {
    SetWindowTextW(hwnd_, utf8ToWide(utf8).c_str());
}

void Win32Window::setBounds(const Rect& at96Dpi) {
    SetWindowPos(hwnd_, nullptr, scaleFrom96Dpi(at96Dpi.left), scaleFrom96Dpi(at96Dpi.top),
                 scaleFrom96Dpi(at96Dpi.width), scaleFrom96Dpi(at96Dpi.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::setVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNORMAL : SW_HIDE);
}

void Win32Window::setEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}

void Win32Window::bringToFront() {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Window::setIcon(platform::Handle icon) {
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(icon));
}

std::intptr_t Win32Window::defaultProcedure(unsigned msg, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void Win32Window::create(const wchar_t* className, const std::string& text, DWORD style,
                         DWORD exStyle, const Rect& at96Dpi, HWND owner) {
    registerClass(className);
    CreateWindowExW(exStyle, className, utf8ToWide(text).c_str(), style,
                    scaleFrom96Dpi(at96Dpi.left), scaleFrom96Dpi(at96Dpi.top),
                    scaleFrom96Dpi(at96Dpi.width), scaleFrom96Dpi(at96Dpi.height), owner, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error("CreateWindowExW failed: error " + std::to_string(GetLastError()));
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT msg, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    if (msg == WM_NCCREATE) {
        auto* creating = static_cast<Win32Window*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        creating->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return window->receive(msg, wParam, lParam);
}

void Win32Window::registerClass(const wchar_t* className) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(instance, className, &known))
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("RegisterClassExW failed: error " +
                                 std::to_string(GetLastError()));
}

} // namespace tk
