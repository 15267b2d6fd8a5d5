#pragma once
#include "platform/Seam.h"
#include "toolkit/Backend.h"

namespace tk {

// Puts a backend in place and starts the application afresh on it; on the
// way out frees what the application made on it and puts the previous
// backend back. For tests.
class ScopedBackend {
public:
    explicit ScopedBackend(Backend& backend);
    ~ScopedBackend();
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

private:
    static Backend& freshApplicationOn(Backend& backend);

    platform::Seam<Backend>::Scoped scope_;
};

} // namespace tk
