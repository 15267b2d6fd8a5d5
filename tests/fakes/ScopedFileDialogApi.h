#pragma once
#include "platform/FileDialogApi.h"

// Puts a file-dialog implementation in place for the lifetime of the object.
class ScopedFileDialogApi {
public:
    explicit ScopedFileDialogApi(platform::FileDialogApi& api)
        : previous_(platform::installFileDialogApi(&api)) {}
    ~ScopedFileDialogApi() { platform::installFileDialogApi(previous_); }
    ScopedFileDialogApi(const ScopedFileDialogApi&) = delete;
    ScopedFileDialogApi& operator=(const ScopedFileDialogApi&) = delete;

private:
    platform::FileDialogApi* previous_;
};
