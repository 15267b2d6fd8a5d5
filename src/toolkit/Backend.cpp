#include "toolkit/Backend.h"

namespace tk {

namespace {
Backend* installed = nullptr;
}

Backend& backend() {
    return installed ? *installed : defaultBackend();
}

Backend* installBackend(Backend* backend) {
    Backend* previous = installed;
    installed = backend;
    return previous;
}

} // namespace tk
