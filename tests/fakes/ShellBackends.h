#pragma once
#include "platform/ShellApi.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// The shells a contract test runs against: the fake everywhere, and the real
// one where the build has it.
struct ShellBackend {
    std::string name;
    std::function<std::shared_ptr<platform::ShellApi>()> make;
};

inline void PrintTo(const ShellBackend& backend, std::ostream* out) {
    *out << backend.name;
}

std::vector<ShellBackend> shellBackends();
