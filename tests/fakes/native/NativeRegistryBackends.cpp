#include "fakes/RegistryBackends.h"

RegistryBackend fakeRegistryBackend();

std::vector<RegistryBackend> registryBackends() {
    return {fakeRegistryBackend()};
}
