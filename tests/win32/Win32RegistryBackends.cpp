#include "fakes/RegistryBackends.h"

#include <windows.h>

namespace {

// The real registry is process-wide; the shared pointer must not delete it.
std::shared_ptr<platform::RegistryApi> realRegistry() {
    return std::shared_ptr<platform::RegistryApi>(&platform::defaultRegistryApi(),
                                                  [](platform::RegistryApi*) {});
}

} // namespace

std::vector<RegistryBackend> registryBackends() {
    return {fakeRegistryBackend("Fake", GetACP()), {"Real", realRegistry, GetACP()}};
}
