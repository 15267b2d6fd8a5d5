#pragma once
#include "platform/HotKeyApi.h"

// Puts a hotkey implementation in place for the lifetime of the object.
class ScopedHotKeyApi {
public:
    explicit ScopedHotKeyApi(platform::HotKeyApi& api)
        : previous_(platform::installHotKeyApi(&api)) {}
    ~ScopedHotKeyApi() { platform::installHotKeyApi(previous_); }
    ScopedHotKeyApi(const ScopedHotKeyApi&) = delete;
    ScopedHotKeyApi& operator=(const ScopedHotKeyApi&) = delete;

private:
    platform::HotKeyApi* previous_;
};
