#include "fakes/FakeRegistry.h"
#include "fakes/RegistryBackends.h"

RegistryBackend fakeRegistryBackend() {
    return {"Fake", [] { return std::make_shared<FakeRegistry>(); }};
}
