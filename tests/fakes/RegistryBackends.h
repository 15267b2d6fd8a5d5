#pragma once
#include "fakes/ContractBackend.h"
#include "fakes/FakeRegistry.h"
#include "platform/RegistryApi.h"

#include <memory>
#include <string>
#include <vector>

// A registry a contract test runs against, with the code page its names and
// text are in: the system's on Windows; natively the fake's.
struct RegistryBackend : ContractBackend<platform::RegistryApi> {
    unsigned codePage = 1252;
};

// The fake, counting characters in the given code page.
inline RegistryBackend fakeRegistryBackend(const std::string& name, unsigned codePage) {
    return {{name,
             [codePage] {
                 auto fake = std::make_shared<FakeRegistry>();
                 fake->setCodePage(codePage);
                 return fake;
             }},
            codePage};
}

// The real registry, in the code page of the fake beside it.
inline RegistryBackend realBackend(const RegistryBackend& fake) {
    return {systemBackend<platform::RegistryApi>(), fake.codePage};
}

// The fakes everywhere, and the real registry where the build has it. Each
// build has its own code pages: natively the fake in a single-byte code
// page, in Japanese (932) and in UTF-8 (65001); on Windows the system's.
std::vector<RegistryBackend> registryBackends();
