#include "fakes/RegistryBackends.h"

std::vector<RegistryBackend> registryBackends() {
    return fakeAndReal({fakeRegistryBackend("Fake", 1252), fakeRegistryBackend("Fake932", 932),
                        fakeRegistryBackend("FakeUtf8", 65001)});
}
