#pragma once
#include "toolkit/WindowPeer.h"

#include <windows.h>

namespace tk {

class Control;

// A window of ours: it owns its HWND, and the system's calls reach its
// procedure() under the one guard. It is of a class of our own, or of a
// system class (EDIT, BUTTON ...) superclassed under another name, whose
// procedure is then the class's default.
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
    void setForeground() override;
    void setIcon(platform::Handle smallIcon, platform::Handle largeIcon) override;
    void setFocus() override;

    // The DPI the window is laid out at: its monitor's for a top-level
    // window, its parent's for a child.
    int dpi() const { return dpi_; }
    // A length given at 96 DPI, in the window's pixels.
    int scaled(int pixels) const;
    // The window's form was moved to a monitor of another DPI: the window
    // takes its place, font and pictures for that DPI.
    virtual void dpiChanged(int dpi) { dpi_ = dpi; }

    // The object of one of our windows; null for anybody else's.
    static Win32Window* fromHwnd(HWND hwnd);
    // The portable object behind the window, if any.
    virtual Control* control() const { return nullptr; }
    // A notification about this window that its parent received (WM_COMMAND,
    // WM_NOTIFY, WM_CTLCOLOR..., WM_DRAWITEM, the scrolls), handed on by the
    // parent's procedure: true when handled and result set.
    virtual bool notified(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    Win32Window() = default;
    // Called by the most derived constructor, so that the messages sent
    // during creation already reach its procedure(). With a base class, the
    // window's class superclasses that system class.
    void create(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                const Rect& at96Dpi, HWND owner, const wchar_t* baseClass = nullptr);
    // The window's procedure: a switch that decodes the messages this kind of
    // window handles and calls typed members of its object, leaving the rest
    // to its base class's. Here, at the bottom, a notification about a child
    // goes on to the child, and anything else to the class's default.
    virtual LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the window's class does with a message: DefWindowProc for a class
    // of our own, the system class's procedure for a superclass.
    LRESULT classDefault(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // The procedure the classes are registered with; the one guard between
    // the system and the program.
    static LRESULT CALLBACK systemCall(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    static bool passToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static WNDPROC registerClass(const wchar_t* className, const wchar_t* baseClass);
    static WNDPROC registerOwnClass(const wchar_t* className);
    static WNDPROC registerSuperclass(const wchar_t* className, const wchar_t* baseClass);
    static WNDPROC baseProcedureOf(HWND hwnd);

    HWND hwnd_ = nullptr;
    WNDPROC base_ = DefWindowProcW;
    int dpi_ = 96;
};

} // namespace tk
