#pragma once
#include "toolkit/win32/Win32Window.h"

namespace tk {

class Form;

// The window of a form: a hidden top-level window owned by the application's
// window. Not a dialog (the dialog procedure would take WM_USER + 1 as
// DM_SETDEFID) and not message-only (those miss broadcast messages).
class FormWindow final : public Win32Window {
public:
    FormWindow(Form& form, HWND owner);

    std::intptr_t defaultProcedure(unsigned msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) override;

protected:
    LRESULT receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept override;

private:
    LRESULT onClose();

    Form& form_;
};

} // namespace tk
