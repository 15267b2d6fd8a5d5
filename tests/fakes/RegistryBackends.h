#pragma once
#include "platform/RegistryApi.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The registries a contract test runs against: the fake everywhere, and the
// real one where the build has it. Names and text are in `codePage`: the
// system's code page on Windows; natively the fake in a single-byte code
// page, in Japanese (932) and in UTF-8 (65001).
struct RegistryBackend {
    std::string name;
    std::function<std::shared_ptr<platform::RegistryApi>()> make;
    unsigned codePage = 1252;
};

// The fake, counting characters in the given code page.
RegistryBackend fakeRegistryBackend(const std::string& name, unsigned codePage);

std::vector<RegistryBackend> registryBackends();
