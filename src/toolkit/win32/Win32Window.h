#pragma once
#include "toolkit/WindowPeer.h"

#include <windows.h>

namespace tk {

class Control;

// A window of ours: it owns its HWND and routes its messages to receive().
// It is of a class of our own, or of a system class (EDIT, BUTTON ...)
// superclassed under another name, whose procedure then does what receive()
// leaves to the default.
class Win32Window : public WindowPeer {
public:
    ~Win32Window() override;

    HWND hwnd() const { return hwnd_; }
    platform::Handle handle() const override;
    void setText(const std::string& utf8) override;
    void setBounds(const Rect& at96Dpi) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void bringToFront() override;
    void setIcon(platform::Handle smallIcon, platform::Handle largeIcon) override;
    void setFocus() override;
    std::intptr_t defaultProcedure(unsigned msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) override;

    // The object of one of our windows; null for anybody else's.
    static Win32Window* fromHwnd(HWND hwnd);
    // The portable object behind the window, if any.
    virtual Control* control() const { return nullptr; }
    // A notification about this window that its parent received (WM_COMMAND,
    // WM_NOTIFY, WM_CTLCOLOR..., WM_DRAWITEM, WM_VSCROLL): true when handled.
    virtual bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    Win32Window() = default;
    // Called by the most derived constructor, so that the messages sent
    // during creation already reach its receive(). With a base class, the
    // window's class superclasses that system class.
    void create(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                const Rect& at96Dpi, HWND owner, const wchar_t* baseClass = nullptr);
    // Whatever escapes it is shown in the standard error box and goes no
    // further: never into the system.
    virtual LRESULT receive(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // Hands a parent's notification to the object of the child it is about.
    static bool reflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    static WNDPROC registerClass(const wchar_t* className, const wchar_t* baseClass);
    static WNDPROC registerOwnClass(const wchar_t* className);
    static WNDPROC registerSuperclass(const wchar_t* className, const wchar_t* baseClass);
    static WNDPROC baseProcedureOf(HWND hwnd);

    HWND hwnd_ = nullptr;
    WNDPROC base_ = DefWindowProcW;
};

} // namespace tk
