#include "toolkit/ScopedBackend.h"

#include "toolkit/Application.h"

namespace tk {

// The application is freed before the backend changes either way: its
// windows belong to the backend that made them.
ScopedBackend::ScopedBackend(Backend& backend) : scope_(freshApplicationOn(backend)) {}

ScopedBackend::~ScopedBackend() {
    Application::instance().reset();
}

Backend& ScopedBackend::freshApplicationOn(Backend& backend) {
    Application::instance().reset();
    return backend;
}

} // namespace tk
