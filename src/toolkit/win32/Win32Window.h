#pragma once
#include "toolkit/WindowPeer.h"

#include <windows.h>

namespace tk {

// A window of ours: it owns its HWND and routes its messages to receive().
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
    void setIcon(platform::Handle icon) override;
    std::intptr_t defaultProcedure(unsigned msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) override;

protected:
    Win32Window() = default;
    // Called by the most derived constructor, so that the messages sent
    // during creation already reach its receive().
    void create(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                const Rect& at96Dpi, HWND owner);
    virtual LRESULT receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept = 0;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    static void registerClass(const wchar_t* className);

    HWND hwnd_ = nullptr;
};

} // namespace tk
