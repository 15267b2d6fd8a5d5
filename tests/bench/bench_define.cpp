// How long the definition window takes to show, the first time (its 130
// windows are made) and again, and to switch a page of 26 filled rows, on
// the real windowing system. Figures, not a test.
#include "app/Lumaro.h"
#include "fakes/FakeHotKeyApi.h"
#include "fakes/FakeHotKeySystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "platform/HotKeyApi.h"
#include "platform/RegistryApi.h"
#include "platform/ShellApi.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
#include "ui/LmrTrayWindow.h"
#include "ui/TLmrDefForm.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Two full pages: every letter without modifiers and with Ctrl.
void seed(FakeRegistry& registry) {
    const std::string list = Lumaro::kRegistryKey;
    for (int i = 0; i < 52; ++i) {
        std::string key = list + "\\HotKey_" + std::to_string(i);
        registry.setString(key, "Key", std::string(1, static_cast<char>('A' + i % 26)));
        registry.setDword(key, "Ctrl", i / 26);
        registry.setDword(key, "Alt", 0);
        registry.setDword(key, "Shift", 0);
        registry.setString(key, "Command", "C:\\Programs\\tool" + std::to_string(i) + ".exe");
        registry.setString(key, "Directory", "C:\\Work");
        registry.setString(key, "Parameters", "/n " + std::to_string(i));
        registry.setDword(key, "Extra", 0);
        registry.setDword(key, "ShowCmd", 5);
    }
    registry.setDword(list, "Count", 52);
}

// Until the window has painted and nothing is left to do.
template <typename F> double timed(F action) {
    double start = nowMs();
    action();
    tk::Application::instance().processMessages();
    return nowMs() - start;
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The floor: a plain window with the same child windows, made straight
// with the system's own classes.
struct PlainWindow {
    HWND window = nullptr;
    HWND edits[26] = {};

    PlainWindow() {
        window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Plain", WS_CAPTION | WS_SYSMENU,
                                 200, 150, 591, 477, nullptr, nullptr, nullptr, nullptr);
        HWND panel = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_SUNKEN, 0, 0,
                                     585, 448, window, nullptr, nullptr, nullptr);
        for (int i = 0; i < 26; ++i) {
            int left = i < 13 ? 8 : 296, top = 4 + 31 * (i % 13);
            HWND row = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME,
                                       left, top, 281, 29, panel, nullptr, nullptr, nullptr);
            wchar_t letter[2] = {static_cast<wchar_t>(L'A' + i), 0};
            CreateWindowExW(0, L"STATIC", letter, WS_CHILD | WS_VISIBLE, 8, 8, 8, 12, row, nullptr,
                            nullptr, nullptr);
            edits[i] = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 4,
                                       230, 20, row, nullptr, nullptr, nullptr);
            CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE, 256, 4, 21, 21, row,
                            nullptr, nullptr, nullptr);
        }
    }
    ~PlainWindow() { DestroyWindow(window); }
};

} // namespace

int main() {
    FakeRegistry registry;
    FakeHotKeySystem desktop;
    FakeHotKeyApi hotKeys(desktop);
    FakeShell shell;
    platform::Seam<platform::RegistryApi>::Scoped registryScope(registry);
    platform::Seam<platform::HotKeyApi>::Scoped hotKeyScope(hotKeys);
    platform::Seam<platform::ShellApi>::Scoped shellScope(shell);
    seed(registry);
    tk::Application& app = tk::Application::instance();
    app.initialize();
    app.setTitle("Lumaro");
    auto* controller = new Lumaro();
    TLmrDefForm* form = controller->displayer()->form();

    double first = timed([&] { controller->showDefineWindow(); });
    form->hide();
    app.processMessages();
    double again = timed([&] { controller->showDefineWindow(); });
    const int switches = 20;
    double page = 0;
    for (int i = 0; i < switches; ++i)
        page += timed([&] { form->CtrlButtonPanelClick(); });
    form->hide();
    app.processMessages();

    PlainWindow plain;
    double plainFirst = timed([&] {
        ShowWindow(plain.window, SW_SHOW);
        UpdateWindow(plain.window);
        pump();
    });
    ShowWindow(plain.window, SW_HIDE);
    pump();
    double plainAgain = timed([&] {
        ShowWindow(plain.window, SW_SHOW);
        UpdateWindow(plain.window);
        pump();
    });
    double plainPage = 0;
    for (int i = 0; i < switches; ++i)
        plainPage += timed([&] {
            for (int row = 0; row < 26; ++row)
                SetWindowTextW(plain.edits[row], i % 2 ? L"C:\\Programs\\a.exe" : L"C:\\b.exe");
            pump();
        });
    std::printf("definition window: first show %.1f ms, shown again %.1f ms, page switch with 26 "
                "filled rows %.1f ms (mean of %d)\n",
                first, again, page / switches, switches);
    std::printf("plain window with the same child windows: shown %.1f ms, again %.1f ms, 26 texts "
                "set %.1f ms; ratios %.2f, %.2f, %.2f\n",
                plainFirst, plainAgain, plainPage / switches, first / plainFirst,
                again / plainAgain, page / plainPage);
    delete controller->trayWindow();
    return 0;
}
