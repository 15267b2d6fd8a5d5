#pragma once
#include "platform/DragDropApi.h"

// Puts a drag-and-drop implementation in place for the lifetime of the object.
class ScopedDragDropApi {
public:
    explicit ScopedDragDropApi(platform::DragDropApi& api)
        : previous_(platform::installDragDropApi(&api)) {}
    ~ScopedDragDropApi() { platform::installDragDropApi(previous_); }
    ScopedDragDropApi(const ScopedDragDropApi&) = delete;
    ScopedDragDropApi& operator=(const ScopedDragDropApi&) = delete;

private:
    platform::DragDropApi* previous_;
};
