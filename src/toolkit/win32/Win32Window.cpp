#include "toolkit/win32/Win32Window.h"

#include "toolkit/Application.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/WideText.h"

#include <commctrl.h>
#include <map>
#include <stdexcept>
#include <string>

namespace tk {

namespace {

// The system class procedure behind each superclass, by class atom.
std::map<ATOM, WNDPROC>& superclasses() {
    static std::map<ATOM, WNDPROC> procedures;
    return procedures;
}

ATOM classAtomOf(HWND hwnd) {
    return static_cast<ATOM>(GetClassLongPtrW(hwnd, GCW_ATOM));
}

// The notifications a parent receives about a child, and the child's window
// each one names.
HWND childOf(UINT msg, LPARAM lParam) {
    switch (msg) {
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_VSCROLL:
    case WM_HSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

} // namespace

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

int Win32Window::scaled(int pixels) const {
    return scaleFrom96Dpi(pixels, dpi_);
}

void Win32Window::setBounds(const Rect& at96Dpi) {
    SetWindowPos(hwnd_, nullptr, scaled(at96Dpi.left), scaled(at96Dpi.top), scaled(at96Dpi.width),
                 scaled(at96Dpi.height), SWP_NOZORDER | SWP_NOACTIVATE);
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

void Win32Window::setIcon(platform::Handle smallIcon, platform::Handle largeIcon) {
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(smallIcon));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, static_cast<LPARAM>(largeIcon));
}

void Win32Window::setForeground() {
    SetForegroundWindow(hwnd_);
}

void Win32Window::setFocus() {
    SetFocus(hwnd_);
}

LRESULT Win32Window::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (passToChild(msg, wParam, lParam, result))
        return result;
    return classDefault(msg, wParam, lParam);
}

LRESULT Win32Window::classDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(base_, hwnd_, msg, wParam, lParam);
}

// Asked for every notification a parent passes on: it reads only what the
// process keeps itself (a window property is a round trip to the window
// server under Wine). Our classes have our systemCall as their procedure,
// and our windows keep their object in the user data.
Win32Window* Win32Window::fromHwnd(HWND hwnd) {
    if (!hwnd || static_cast<ULONG_PTR>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)) !=
                     reinterpret_cast<ULONG_PTR>(systemCall))
        return nullptr;
    DWORD process = 0;
    if (!GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId())
        return nullptr;
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Win32Window::notified(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Win32Window::passToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Win32Window* child = fromHwnd(childOf(msg, lParam));
    return child && child->notified(msg, wParam, lParam, result);
}

void Win32Window::create(const wchar_t* className, const std::string& text, DWORD style,
                         DWORD exStyle, const Rect& at96Dpi, HWND owner, const wchar_t* baseClass) {
    base_ = registerClass(className, baseClass);
    Win32Window* parent = (style & WS_CHILD) ? fromHwnd(owner) : nullptr;
    dpi_ = parent ? parent->dpi_ : systemDpi();
    CreateWindowExW(exStyle, className, utf8ToWide(text).c_str(), style, scaled(at96Dpi.left),
                    scaled(at96Dpi.top), scaled(at96Dpi.width), scaled(at96Dpi.height), owner,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error("CreateWindowExW failed: error " + std::to_string(GetLastError()));
    if (!parent)
        dpi_ = dpiOf(hwnd_);
}

LRESULT CALLBACK Win32Window::systemCall(HWND hwnd, UINT msg, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    if (msg == WM_NCCREATE) {
        auto* creating = static_cast<Win32Window*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        creating->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return CallWindowProcW(baseProcedureOf(hwnd), hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return CallWindowProcW(window->base_, hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    Application::instance().runForSystem([&] { result = window->procedure(msg, wParam, lParam); });
    return result;
}

WNDPROC Win32Window::registerClass(const wchar_t* className, const wchar_t* baseClass) {
    return baseClass ? registerSuperclass(className, baseClass) : registerOwnClass(className);
}

WNDPROC Win32Window::registerOwnClass(const wchar_t* className) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(instance, className, &known))
        return DefWindowProcW;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = systemCall;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("RegisterClassExW failed: error " +
                                 std::to_string(GetLastError()));
    return DefWindowProcW;
}

WNDPROC Win32Window::registerSuperclass(const wchar_t* className, const wchar_t* baseClass) {
    static std::map<std::wstring, WNDPROC> byName;
    auto known = byName.find(className);
    if (known != byName.end())
        return known->second;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(nullptr, baseClass, &windowClass) &&
        !GetClassInfoExW(GetModuleHandleW(L"comctl32.dll"), baseClass, &windowClass))
        throw std::runtime_error("GetClassInfoExW failed: error " + std::to_string(GetLastError()));
    WNDPROC base = windowClass.lpfnWndProc;
    windowClass.lpfnWndProc = systemCall;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    windowClass.style &= ~CS_GLOBALCLASS;
    ATOM atom = RegisterClassExW(&windowClass);
    if (!atom)
        throw std::runtime_error("RegisterClassExW failed: error " +
                                 std::to_string(GetLastError()));
    byName[className] = base;
    superclasses()[atom] = base;
    return base;
}

WNDPROC Win32Window::baseProcedureOf(HWND hwnd) {
    auto found = superclasses().find(classAtomOf(hwnd));
    return found == superclasses().end() ? DefWindowProcW : found->second;
}

} // namespace tk
