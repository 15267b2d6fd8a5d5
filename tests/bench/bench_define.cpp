// How long the definition window takes to show, the first time and again,
// to switch a page of 26 filled rows and to lay itself out for a monitor of
// another DPI, on the real windowing system.
// Figures, not a test; tests/bench/define.sh holds them against the same
// window written by hand (bench_handmade define).
#include "app/Lumaro.h"
#include "fakes/FakeRegistry.h"
#include "platform/RegistryApi.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
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

// As the system tells a window dragged to a monitor of that DPI.
void moveToDpi(tk::Form& form, int dpi) {
    HWND window = reinterpret_cast<HWND>(form.handle());
    RECT suggested;
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

int main() {
    // Only the stored definitions are made up: the tray icon, the hotkeys
    // and the foreground are the system's, as for the hand-written program.
    FakeRegistry registry;
    platform::Seam<platform::RegistryApi>::Scoped registryScope(registry);
    seed(registry);
    tk::Application& app = tk::Application::instance();
    app.initialize();
    app.setTitle("Lumaro");
    std::unique_ptr<Lumaro> controller;
    controller = std::make_unique<Lumaro>(controller);
    TLmrDefForm* form = controller->displayer()->form();

    double first = timed([&] { controller->showDefineWindow(); });
    form->hide();
    app.processMessages();
    double again = timed([&] { controller->showDefineWindow(); });
    const int switches = 20;
    double page = 0;
    for (int i = 0; i < switches; ++i)
        page += timed([&] { form->CtrlButtonPanelClick(); });
    const int moves = 10;
    double dpi = 0;
    for (int i = 0; i < moves; ++i)
        dpi += timed([&] { moveToDpi(*form, 144); }) + timed([&] { moveToDpi(*form, 96); });
    form->hide();
    app.processMessages();

    std::printf("definition window: first show %.1f ms, shown again %.1f ms, page switch with 26 "
                "filled rows %.1f ms (mean of %d), DPI change %.1f ms (mean of %d to 144 and "
                "back)\n",
                first, again, page / switches, switches, dpi / (2 * moves), moves);
    std::fflush(stdout);
    return 0;
}
