#pragma once
// The system DLLs that Windows does not load for us before our code runs.
//
// Lumaro.exe imports at load time only DLLs that Windows takes from the
// system folder whatever lies beside the exe (kernel32, user32, gdi32,
// advapi32, msvcrt, and comctl32 through the manifest). Everything else, the
// shell and the common dialogs, is loaded here from the system folder, after
// limitDllSearchToSystemFolder() has run, so that a DLL planted beside the
// exe (a downloads folder) is never loaded by us or by those components.
#include <windows.h>

namespace platform {

// SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) where the system
// has it (Windows 8, and 7 or Vista with KB2533623), looked up at run time;
// false where it is missing or refused. Call it first thing at start.
bool limitDllSearchToSystemFolder();

// The DLL of that name from the system folder, loaded at the first request;
// null when it cannot be loaded.
HMODULE systemLibrary(const char* name);

// A function of a system DLL, looked up once; null when it is missing.
template <class Function> Function systemFunction(const char* library, const char* name) {
    HMODULE module = systemLibrary(library);
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

} // namespace platform
