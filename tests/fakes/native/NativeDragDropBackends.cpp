#include "fakes/DragDropBackends.h"

DragDropBackend fakeDragDropBackend();

std::vector<DragDropBackend> dragDropBackends() {
    return {fakeDragDropBackend()};
}
