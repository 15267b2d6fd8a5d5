#include "platform/DragDropApi.h"

#include "platform/win32/SystemLibrary.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

namespace {

template <class Function> Function shell32(const char* name) {
    return systemFunction<Function>("shell32.dll", name);
}

class Win32DragDropApi final : public DragDropApi {
public:
    void DragAcceptFiles(Handle hwnd, bool accept) override {
        static const auto call = shell32<decltype(&::DragAcceptFiles)>("DragAcceptFiles");
        if (call)
            call(reinterpret_cast<HWND>(hwnd), accept);
    }
    unsigned DragQueryFileA(Handle hDrop, unsigned file, char* buffer, unsigned size) override {
        static const auto call = shell32<decltype(&::DragQueryFileA)>("DragQueryFileA");
        return call ? call(reinterpret_cast<HDROP>(hDrop), file, buffer, size) : 0;
    }
    void DragFinish(Handle hDrop) override {
        static const auto call = shell32<decltype(&::DragFinish)>("DragFinish");
        if (call)
            call(reinterpret_cast<HDROP>(hDrop));
    }
};

} // namespace

DragDropApi& systemInstance(SystemOf<DragDropApi>) {
    static Win32DragDropApi api;
    return api;
}

} // namespace platform
