#pragma once
#include "platform/Win32Types.h"

#include <string>
#include <vector>

// A drop handle made as the shell makes one (see Win32DragDropBackends.cpp).
platform::Handle makeShellDrop(const std::vector<std::string>& names);
