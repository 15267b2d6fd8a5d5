#pragma once
#include "toolkit/Form.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

// A form's layout as it reaches the screen: each control's window where the
// layout puts it at the screen's DPI, and its caption painted. The DPI is the
// screen's own, not the toolkit's idea of it, so that a run at 144 DPI proves
// the scaling too.
namespace layout {

// Auto-sized labels take their text's size in the font at hand and keep
// the edge their alignment holds to.
enum class Fit { Box, LeftEdge, RightEdge };

struct Placement {
    std::string name;
    std::string parent;
    tk::Rect bounds;
    Fit fit = Fit::Box;
    bool caption = false; // text or a glyph of its own is painted inside it
};

inline int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

inline int scaled(int at96Dpi) {
    static const int dpi = screenDpi();
    return MulDiv(at96Dpi, dpi, 96);
}

inline RECT rectIn(HWND window, HWND reference) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The form's client area as painted, read back from its window.
class Snapshot {
public:
    explicit Snapshot(HWND form) : form_(form) {
        RedrawWindow(form, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client;
        GetClientRect(form, &client);
        width_ = client.right;
        height_ = client.bottom;
        pixels_.resize(static_cast<size_t>(width_) * height_);
        HDC dc = GetDC(form);
        HDC memory = CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
        GdiFlush();
        std::copy_n(static_cast<const DWORD*>(bits), pixels_.size(), pixels_.begin());
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(form, dc);
    }

    COLORREF at(int x, int y) const {
        DWORD pixel = pixels_[static_cast<size_t>(y) * width_ + x];
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }

    // Pixels within the rectangle (client coordinates of the form) of about
    // the colour given.
    int count(RECT rect, COLORREF colour) const {
        RECT all{0, 0, width_, height_};
        IntersectRect(&rect, &rect, &all);
        int found = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (alike(at(x, y), colour))
                    ++found;
        return found;
    }

    // Where a window's own caption or glyph is drawn: inside its bevel,
    // right of a radio button's circle, on a group's top line.
    RECT captionArea(HWND window) const {
        RECT rect = rectIn(window, form_);
        std::wstring kind = classOf(window);
        if (kind == L"TkButton" || kind == L"TkPanel")
            InflateRect(&rect, -scaled(3), -scaled(3));
        else if (kind == L"TkRadioButton")
            rect.left += scaled(16);
        else if (kind == L"TkRadioGroup")
            rect.bottom = rect.top + scaled(12);
        return rect;
    }

    // Pixels of the text colour of the window's state: a disabled window's
    // text is in the disabled-text colour, an embossed glyph in the shadow
    // colour.
    int inkOf(HWND window) const {
        RECT area = captionArea(window);
        if (IsWindowEnabled(window))
            return count(area, GetSysColor(COLOR_BTNTEXT));
        return count(area, GetSysColor(COLOR_GRAYTEXT)) + count(area, GetSysColor(COLOR_BTNSHADOW));
    }

    static bool alike(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                   std::abs(GetBValue(a) - GetBValue(b)) <
               120;
    }

private:
    HWND form_;
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

// Each control's window has its parent, its place and size, and its caption
// painted (at least a few pixels of the text colour inside it).
inline void expectLaidOut(tk::Form& form, const std::vector<Placement>& layout) {
    HWND formWindow = reinterpret_cast<HWND>(form.handle());
    Snapshot shot(formWindow);
    for (const Placement& place : layout) {
        tk::Control* control = form.find(place.name);
        ASSERT_NE(control, nullptr) << place.name;
        HWND window = reinterpret_cast<HWND>(control->handle());
        HWND parent = GetParent(window);
        EXPECT_EQ(parent, reinterpret_cast<HWND>(form.find(place.parent)->handle())) << place.name;
        RECT rect = rectIn(window, parent);
        int left = scaled(place.bounds.left), top = scaled(place.bounds.top);
        RECT expected{left, top, left + scaled(place.bounds.width),
                      top + scaled(place.bounds.height)};
        if (place.fit == Fit::LeftEdge)
            expected.right = rect.right;
        if (place.fit == Fit::RightEdge)
            expected.left = rect.left;
        if (place.fit != Fit::Box)
            expected.bottom = rect.bottom;
        EXPECT_TRUE(EqualRect(&rect, &expected))
            << place.name << " at " << rect.left << "," << rect.top << " to " << rect.right << ","
            << rect.bottom;
        if (place.caption) {
            EXPECT_GE(shot.inkOf(window), 4) << place.name << ": no caption painted";
        }
    }
}

} // namespace layout
