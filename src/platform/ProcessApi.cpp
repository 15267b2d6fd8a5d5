#include "platform/ProcessApi.h"

namespace platform {

namespace {
ProcessApi* installed = nullptr;
}

ProcessApi& processApi() {
    return installed ? *installed : defaultProcessApi();
}

ProcessApi* installProcessApi(ProcessApi* api) {
    ProcessApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
