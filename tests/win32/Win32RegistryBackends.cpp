#include "fakes/RegistryBackends.h"

#include <windows.h>

std::vector<RegistryBackend> registryBackends() {
    return fakeAndReal({fakeRegistryBackend("Fake", GetACP())});
}
