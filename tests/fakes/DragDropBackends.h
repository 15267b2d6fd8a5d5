#pragma once
#include "fakes/ContractBackend.h"
#include "platform/DragDropApi.h"

#include <functional>
#include <string>
#include <vector>

// A drag-and-drop implementation a contract test runs against, with the way
// to make a drop handle for it as the shell does.
struct DragDropBackend : ContractBackend<platform::DragDropApi> {
    std::function<platform::Handle(platform::DragDropApi&, const std::vector<std::string>&)> drop;
};

// The real functions on drop blocks built as the shell builds them, in the
// Windows build (tests/win32/Win32DragDropBackends.cpp).
DragDropBackend realBackend(const DragDropBackend& fake);
