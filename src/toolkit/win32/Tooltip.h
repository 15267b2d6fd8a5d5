#pragma once
#include <set>
#include <string>
#include <windows.h>

#include <commctrl.h>

namespace tk {

// The tool-tip window of a form: one tip per control window that has a hint.
class Tooltip {
public:
    explicit Tooltip(HWND owner);
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    HWND hwnd() const { return tip_; }
    // Adds, changes or (with an empty text) removes the tip of a window.
    void set(HWND tool, const std::wstring& text);

private:
    TOOLINFOW infoFor(HWND tool, const wchar_t* text) const;

    HWND tip_;
    std::set<HWND> tools_;
};

} // namespace tk
