#include "platform/DragDropApi.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

namespace {

class Win32DragDropApi final : public DragDropApi {
public:
    void DragAcceptFiles(Handle hwnd, bool accept) override {
        ::DragAcceptFiles(reinterpret_cast<HWND>(hwnd), accept);
    }
    unsigned DragQueryFileA(Handle hDrop, unsigned file, char* buffer, unsigned size) override {
        return ::DragQueryFileA(reinterpret_cast<HDROP>(hDrop), file, buffer, size);
    }
    void DragFinish(Handle hDrop) override { ::DragFinish(reinterpret_cast<HDROP>(hDrop)); }
};

} // namespace

DragDropApi& defaultDragDropApi() {
    static Win32DragDropApi api;
    return api;
}

} // namespace platform
