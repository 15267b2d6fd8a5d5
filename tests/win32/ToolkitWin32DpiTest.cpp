#include "ToolkitWin32Fixture.h"

#include "toolkit/Label.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FontCache.h"
#include "toolkit/win32/Win32Window.h"
#include "ui/TLmrAboutBoxForm.h"
#include "ui/TLmrDefForm.h"
#include "ui/TLmrDefParamsForm.h"

namespace {

// What a window shows of the layout: where it lies in its parent, and its
// font's height where it has one.
struct Shown {
    HWND window;
    RECT rect;
    LONG fontHeight;
};

RECT rectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LONG fontHeightOf(HWND window) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW described{};
    return font && GetObjectW(font, sizeof described, &described) ? described.lfHeight : 0;
}

BOOL CALLBACK collect(HWND child, LPARAM shown) {
    reinterpret_cast<std::vector<Shown>*>(shown)->push_back(
        {child, rectInParent(child), fontHeightOf(child)});
    return TRUE;
}

std::vector<Shown> layoutOf(HWND form) {
    std::vector<Shown> shown;
    EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

SIZE clientSizeOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// As the system does when the form is dragged to a monitor of that DPI: the
// suggested rectangle is the window's, moved.
void moveToMonitorOfDpi(HWND form, int dpi) {
    RECT suggested;
    GetWindowRect(form, &suggested);
    OffsetRect(&suggested, 7, 5);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

int textHeightAt(const tk::Font& font, int dpi) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, tk::FontCache::instance().get(font, dpi));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

// Every control at its 96-DPI bounds scaled to the DPI (an auto-sized label
// at its top, as high as its font's text), in the form's font at that DPI,
// and the client area at the form's client size scaled.
void expectLaidOutAt(tk::Form& form, int dpi) {
    HWND formWindow = hwndOf(form.handle());
    SIZE client = clientSizeOf(formWindow);
    EXPECT_EQ(client.cx, tk::scaleFrom96Dpi(form.clientWidth(), dpi)) << form.name();
    EXPECT_EQ(client.cy, tk::scaleFrom96Dpi(form.clientHeight(), dpi)) << form.name();
    auto at = [dpi](int pixels) { return tk::scaleFrom96Dpi(pixels, dpi); };
    for (const Shown& shown : layoutOf(formWindow)) {
        tk::Win32Window* window = tk::Win32Window::fromHwnd(shown.window);
        ASSERT_TRUE(window && window->control());
        const tk::Control& control = *window->control();
        const tk::Rect& bounds = control.bounds();
        EXPECT_EQ(window->dpi(), dpi) << control.name();
        EXPECT_EQ(shown.rect.top, at(bounds.top)) << control.name();
        if (shown.fontHeight != 0) {
            EXPECT_EQ(shown.fontHeight, -at(form.font().height)) << control.name();
        }
        auto* label = dynamic_cast<const tk::Label*>(&control);
        if (label && label->autoSize()) {
            EXPECT_EQ(shown.rect.bottom - shown.rect.top, textHeightAt(form.font(), dpi))
                << control.name();
            continue;
        }
        RECT expected{at(bounds.left), at(bounds.top), at(bounds.left) + at(bounds.width),
                      at(bounds.top) + at(bounds.height)};
        EXPECT_TRUE(EqualRect(&shown.rect, &expected))
            << control.name() << " at " << shown.rect.left << "," << shown.rect.top << " to "
            << shown.rect.right << "," << shown.rect.bottom;
    }
}

void expectSameLayout(const std::vector<Shown>& now, const std::vector<Shown>& before) {
    ASSERT_EQ(now.size(), before.size());
    for (size_t i = 0; i < now.size(); ++i) {
        EXPECT_EQ(now[i].window, before[i].window);
        EXPECT_TRUE(EqualRect(&now[i].rect, &before[i].rect)) << i;
        EXPECT_EQ(now[i].fontHeight, before[i].fontHeight) << i;
    }
}

// As Lumaro.exe's, the form's window is aware of its monitor's DPI, so that
// its DPI comes from GetDpiForWindow, as it does where monitors differ.
void expectPerMonitorAware(HWND window) {
    using ContextOf = HANDLE(WINAPI*)(HWND);
    using AwarenessOf = int(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto contextOf = reinterpret_cast<ContextOf>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    auto awarenessOf = reinterpret_cast<AwarenessOf>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    if (contextOf && awarenessOf) {
        EXPECT_EQ(awarenessOf(contextOf(window)), 2) << "DPI_AWARENESS_PER_MONITOR_AWARE";
    }
}

// Lays the form out at 144 DPI and back, checking each against the layout.
void expectDpiRoundTrip(tk::Form& form) {
    HWND window = hwndOf(form.handle());
    expectPerMonitorAware(window);
    std::vector<Shown> before = layoutOf(window);
    SIZE clientBefore = clientSizeOf(window);
    RECT placed;
    GetWindowRect(window, &placed);
    expectLaidOutAt(form, tk::systemDpi());
    moveToMonitorOfDpi(window, 144);
    expectLaidOutAt(form, 144);
    RECT moved;
    GetWindowRect(window, &moved);
    EXPECT_EQ(moved.left, placed.left + 7) << "the suggested position is taken";
    EXPECT_EQ(moved.top, placed.top + 5);
    moveToMonitorOfDpi(window, tk::systemDpi());
    expectSameLayout(layoutOf(window), before);
    SIZE clientAfter = clientSizeOf(window);
    EXPECT_EQ(clientAfter.cx, clientBefore.cx);
    EXPECT_EQ(clientAfter.cy, clientBefore.cy);
}

} // namespace

TEST_F(ToolkitWin32Test, DefinitionWindowMovedToAnotherDpiKeepsTextFocusPageAndLayout) {
    auto& form = app.createForm<TLmrDefForm>();
    form.setPage(true, false, true);
    form.show();
    HWND edit = hwndOf(form.editOf('K')->handle());
    SetWindowTextW(edit, L"C:\\typed\\ by the user");
    SendMessageW(edit, EM_SETSEL, 3, 5);
    form.editOf('K')->setFocus();
    HWND window = hwndOf(form.handle());

    moveToMonitorOfDpi(window, 144);
    EXPECT_EQ(iconWidthOf(window, ICON_SMALL), tk::systemMetricForDpi(SM_CXSMICON, 144));
    EXPECT_EQ(iconWidthOf(window, ICON_BIG), tk::systemMetricForDpi(SM_CXICON, 144));
    moveToMonitorOfDpi(window, tk::systemDpi());
    EXPECT_EQ(iconWidthOf(window, ICON_SMALL), GetSystemMetrics(SM_CXSMICON));

    wchar_t text[64] = {};
    GetWindowTextW(edit, text, 64);
    EXPECT_STREQ(text, L"C:\\typed\\ by the user");
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 5u);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(form.pageIsCtrl() && !form.pageIsAlt() && form.pageIsShift());
    expectDpiRoundTrip(form);
}

TEST_F(ToolkitWin32Test, ParametersDialogAndAboutBoxMovedToAnotherDpiAreLaidOutForIt) {
    expectDpiRoundTrip(app.createForm<TLmrDefParamsForm>());
    expectDpiRoundTrip(app.createForm<TLmrAboutBoxForm>());
}
