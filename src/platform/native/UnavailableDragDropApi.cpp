#include "platform/DragDropApi.h"

namespace platform {

namespace {

// A native build has no shell to drop files from: no drop ever holds a file.
class UnavailableDragDropApi final : public DragDropApi {
public:
    void DragAcceptFiles(Handle, bool) override {}
    unsigned DragQueryFileA(Handle, unsigned, char*, unsigned) override { return 0; }
    void DragFinish(Handle) override {}
};

} // namespace

DragDropApi& defaultDragDropApi() {
    static UnavailableDragDropApi api;
    return api;
}

} // namespace platform
