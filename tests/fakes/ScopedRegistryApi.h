#pragma once
#include "platform/RegistryApi.h"

// Puts a registry implementation in place for the lifetime of the object.
class ScopedRegistryApi {
public:
    explicit ScopedRegistryApi(platform::RegistryApi& api)
        : previous_(platform::installRegistryApi(&api)) {}
    ~ScopedRegistryApi() { platform::installRegistryApi(previous_); }
    ScopedRegistryApi(const ScopedRegistryApi&) = delete;
    ScopedRegistryApi& operator=(const ScopedRegistryApi&) = delete;

private:
    platform::RegistryApi* previous_;
};
