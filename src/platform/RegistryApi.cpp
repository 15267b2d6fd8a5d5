#include "platform/RegistryApi.h"

namespace platform {

namespace {
RegistryApi* installed = nullptr;
}

RegistryApi& registryApi() {
    return installed ? *installed : defaultRegistryApi();
}

RegistryApi* installRegistryApi(RegistryApi* api) {
    RegistryApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
