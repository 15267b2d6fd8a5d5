#pragma once
#include "toolkit/win32/Win32Window.h"

#include <string>

namespace tk {

// The application's hidden window. It owns every form, which keeps the forms
// off the taskbar, and is never shown itself.
class ApplicationWindow final : public Win32Window {
public:
    explicit ApplicationWindow(const std::string& title);

protected:
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

} // namespace tk
