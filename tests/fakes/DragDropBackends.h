#pragma once
#include "platform/DragDropApi.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// The drag-and-drop implementations a contract test runs against, each with
// the way to make a drop handle as the shell does.
struct DragDropBackend {
    std::string name;
    std::function<std::shared_ptr<platform::DragDropApi>()> make;
    std::function<platform::Handle(platform::DragDropApi&, const std::vector<std::string>&)> drop;
};

inline void PrintTo(const DragDropBackend& backend, std::ostream* out) {
    *out << backend.name;
}

std::vector<DragDropBackend> dragDropBackends();
