#include "app/Lumaro.h"
#include "platform/ProcessApi.h"
#include "platform/win32/SystemLibrary.h"
#include "toolkit/Application.h"

#include <memory>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything else is loaded: DLLs come from the system folder only,
    // never from the exe's folder (a downloads folder can hold planted ones).
    platform::limitDllSearchToSystemFolder();
    tk::Application& app = tk::Application::instance();
    app.initialize();
    app.setTitle(Lumaro::kTitle);
    app.runGuarded([&] {
        std::unique_ptr<Lumaro> controller;
        controller = std::make_unique<Lumaro>(controller);
        app.hide();
        app.setShowMainForm(false);
        app.run();
        // The loop ended without "Exit" (the session ends, or the program is
        // closed from outside): the process ends as it stands, and Windows,
        // not the controller, takes back the hotkeys.
        platform::processApi().ExitProcess(0);
    });
    return 0;
}
