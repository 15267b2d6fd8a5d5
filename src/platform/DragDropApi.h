#pragma once
#include "platform/Seam.h"
#include "platform/Win32Types.h"

namespace platform {

// The file index that asks DragQueryFileA for the number of dropped files.
constexpr unsigned kDragQueryFileCount = 0xFFFFFFFFu;
constexpr unsigned kWmDropFiles = 0x0233;

// Files dropped from the shell, one for one with the Win32 functions. A drop
// handle is the HDROP that WM_DROPFILES carries in wParam.
class DragDropApi {
public:
    virtual ~DragDropApi() = default;

    virtual void DragAcceptFiles(Handle hwnd, bool accept) = 0;
    // With file kDragQueryFileCount: the number of files. With no buffer: the
    // length of the name without its terminating zero. Otherwise: the number
    // of characters copied, the name cut to fit size - 1 and terminated.
    virtual unsigned DragQueryFileA(Handle hDrop, unsigned file, char* buffer, unsigned size) = 0;
    virtual void DragFinish(Handle hDrop) = 0;
};

// The real drag-and-drop functions, defined by the Windows build (see Seam.h).
DragDropApi& systemInstance(SystemOf<DragDropApi>);

// The instance the program uses: the one a test installed, else the system's.
inline DragDropApi& dragDropApi() {
    return Seam<DragDropApi>::get();
}

} // namespace platform
