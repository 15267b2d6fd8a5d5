#pragma once
#include "platform/ShellApi.h"

// Puts a shell implementation in place for the lifetime of the object.
class ScopedShellApi {
public:
    explicit ScopedShellApi(platform::ShellApi& api) : previous_(platform::installShellApi(&api)) {}
    ~ScopedShellApi() { platform::installShellApi(previous_); }
    ScopedShellApi(const ScopedShellApi&) = delete;
    ScopedShellApi& operator=(const ScopedShellApi&) = delete;

private:
    platform::ShellApi* previous_;
};
