#include "fakes/DragDropBackends.h"
#include "fakes/FakeDragDrop.h"

DragDropBackend fakeDragDropBackend() {
    return {"Fake", [] { return std::make_shared<FakeDragDrop>(); },
            [](platform::DragDropApi& api, const std::vector<std::string>& names) {
                return dynamic_cast<FakeDragDrop&>(api).makeDrop(names);
            }};
}
