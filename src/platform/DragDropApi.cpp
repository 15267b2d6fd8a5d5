#include "platform/DragDropApi.h"

namespace platform {

namespace {
DragDropApi* installed = nullptr;
}

DragDropApi& dragDropApi() {
    return installed ? *installed : defaultDragDropApi();
}

DragDropApi* installDragDropApi(DragDropApi* api) {
    DragDropApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
