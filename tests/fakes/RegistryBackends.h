#pragma once
#include "platform/RegistryApi.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The registries a contract test runs against: the fake everywhere, and the
// real one where the build has it.
struct RegistryBackend {
    std::string name;
    std::function<std::shared_ptr<platform::RegistryApi>()> make;
};

std::vector<RegistryBackend> registryBackends();
