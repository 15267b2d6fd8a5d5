#include "toolkit/win32/EditWindow.h"

#include "toolkit/Edit.h"
#include "toolkit/win32/Painting.h"
#include "toolkit/win32/WideText.h"

#include <vector>

namespace tk {

namespace {

std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    int got = GetWindowTextW(hwnd, text.data(), length + 1);
    return wideToUtf8(std::wstring_view(text.data(), static_cast<std::size_t>(got)));
}

} // namespace

EditWindow::EditWindow(Edit& edit, HWND parent) : ControlWindow(edit), edit_(edit) {
    createChild(L"TkEdit", L"EDIT", edit.text(),
                ES_AUTOHSCROLL | (edit.readOnly() ? ES_READONLY : 0), WS_EX_CLIENTEDGE, parent);
    // Data text may be longer than the default limit of the class.
    SendMessageW(hwnd(), EM_SETLIMITTEXT, edit.maxLength(), 0);
}

// The text comes from the object: the change the edit then notifies is not
// read back (a page switch sets 26 texts).
void EditWindow::setText(const std::string& utf8) {
    settingText_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{settingText_};
    Win32Window::setText(utf8);
}

void EditWindow::changed(Aspect aspect) {
    if (aspect == Aspect::ReadOnly)
        SendMessageW(hwnd(), EM_SETREADONLY, edit_.readOnly(), 0);
    if (aspect == Aspect::Color)
        InvalidateRect(hwnd(), nullptr, TRUE);
    if (aspect == Aspect::Limit)
        SendMessageW(hwnd(), EM_SETLIMITTEXT, edit_.maxLength(), 0);
    ControlWindow::changed(aspect);
}

LRESULT EditWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = editProcedure(msg, wParam, lParam);
    edit_.afterEdit(msg, wParam, lParam);
    return result;
}

LRESULT EditWindow::editProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CHAR:
        return onChar(wParam, lParam);
    default:
        return ControlWindow::procedure(msg, wParam, lParam);
    }
}

LRESULT EditWindow::onChar(WPARAM wParam, LPARAM lParam) {
    char32_t key = static_cast<char32_t>(wParam);
    if (!edit_.keyPress(key))
        return 0;
    return classDefault(WM_CHAR, static_cast<WPARAM>(key), lParam);
}

bool EditWindow::notified(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        result = onColor(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
            onChange();
        return true;
    default:
        return false;
    }
}

LRESULT EditWindow::onColor(HDC dc) {
    SetBkColor(dc, colorOf(edit_.color()));
    SetTextColor(dc, colorOf(IsWindowEnabled(hwnd()) ? SysColor::WindowText : SysColor::GrayText));
    return reinterpret_cast<LRESULT>(brushOf(edit_.color()));
}

void EditWindow::onChange() {
    if (!settingText_)
        edit_.textEdited(windowText(hwnd()));
}

} // namespace tk
