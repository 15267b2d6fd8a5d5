#include "app/Lumaro.h"
#include "platform/win32/SystemLibrary.h"
#include "toolkit/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything else is loaded: DLLs come from the system folder only,
    // never from the exe's folder (a downloads folder can hold planted ones).
    platform::limitDllSearchToSystemFolder();
    tk::Application& app = tk::Application::instance();
    app.initialize();
    app.setTitle(Lumaro::kTitle);
    // The tray window owns the controller; only the menu's "Exit" frees it.
    app.runGuarded([&] {
        new Lumaro();
        app.hide();
        app.setShowMainForm(false);
        app.run();
    });
    return 0;
}
