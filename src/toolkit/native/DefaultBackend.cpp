#include "toolkit/Backend.h"
#include "toolkit/HeadlessBackend.h"

namespace tk {

Backend& defaultBackend() {
    static HeadlessBackend headless;
    return headless;
}

} // namespace tk
