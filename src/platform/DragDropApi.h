#pragma once
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

// The instance the program uses; see registryApi() for how tests replace it.
DragDropApi& dragDropApi();
DragDropApi* installDragDropApi(DragDropApi* api);
// Defined by the build: the real API on Windows, an unavailable one natively.
DragDropApi& defaultDragDropApi();

} // namespace platform
