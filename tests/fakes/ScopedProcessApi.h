#pragma once
#include "platform/ProcessApi.h"

class ScopedProcessApi {
public:
    explicit ScopedProcessApi(platform::ProcessApi& api)
        : previous_(platform::installProcessApi(&api)) {}
    ~ScopedProcessApi() { platform::installProcessApi(previous_); }
    ScopedProcessApi(const ScopedProcessApi&) = delete;
    ScopedProcessApi& operator=(const ScopedProcessApi&) = delete;

private:
    platform::ProcessApi* previous_;
};
