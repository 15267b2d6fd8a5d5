#include "fakes/FakeRegistry.h"
#include "fakes/RegistryBackends.h"

RegistryBackend fakeRegistryBackend(const std::string& name, unsigned codePage) {
    return {name,
            [codePage] {
                auto fake = std::make_shared<FakeRegistry>();
                fake->setCodePage(codePage);
                return fake;
            },
            codePage};
}
