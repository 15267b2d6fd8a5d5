#include "platform/ShellApi.h"

namespace platform {

namespace {
ShellApi* installed = nullptr;
}

ShellApi& shellApi() {
    return installed ? *installed : defaultShellApi();
}

ShellApi* installShellApi(ShellApi* api) {
    ShellApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
