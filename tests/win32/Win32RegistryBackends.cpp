#include "fakes/RegistryBackends.h"

#include <windows.h>

std::vector<RegistryBackend> registryBackends() {
    return {fakeRegistryBackend("Fake", GetACP()),
            {systemBackend<platform::RegistryApi>(), GetACP()}};
}
