#include "ShellDrop.h"
#include "fakes/DragDropBackends.h"

#include <windows.h>

#include <cstring>
#include <shlobj.h>

// A DROPFILES block as the shell hands one to the window dropped on: the
// names one after the other, each ended by a zero, and one more zero (two
// for no names).
platform::Handle makeShellDrop(const std::vector<std::string>& names) {
    std::size_t bytes = names.empty() ? 2 : 1;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* at = reinterpret_cast<char*>(header + 1);
    for (const std::string& name : names) {
        std::memcpy(at, name.c_str(), name.size() + 1);
        at += name.size() + 1;
    }
    GlobalUnlock(block);
    return reinterpret_cast<platform::Handle>(block);
}

DragDropBackend realBackend(const DragDropBackend&) {
    return {systemBackend<platform::DragDropApi>(),
            [](platform::DragDropApi&, const std::vector<std::string>& names) {
                return makeShellDrop(names);
            }};
}
