#include "platform/Seam.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>

namespace platform {

void nothingInstalled(const std::type_info& api) {
    int status = 0;
    char* name = abi::__cxa_demangle(api.name(), nullptr, nullptr, &status);
    std::fprintf(stderr, "%s reached with nothing installed: install a fake first\n",
                 status == 0 && name ? name : api.name());
    std::fflush(stderr);
    std::abort();
}

} // namespace platform
