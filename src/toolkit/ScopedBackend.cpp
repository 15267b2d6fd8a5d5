#include "toolkit/ScopedBackend.h"

#include "toolkit/Application.h"

namespace tk {

ScopedBackend::ScopedBackend(Backend& backend) {
    Application::instance().reset();
    previous_ = installBackend(&backend);
}

ScopedBackend::~ScopedBackend() {
    Application::instance().reset();
    installBackend(previous_);
}

} // namespace tk
