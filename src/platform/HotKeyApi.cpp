#include "platform/HotKeyApi.h"

namespace platform {

namespace {
HotKeyApi* installed = nullptr;
}

HotKeyApi& hotKeyApi() {
    return installed ? *installed : defaultHotKeyApi();
}

HotKeyApi* installHotKeyApi(HotKeyApi* api) {
    HotKeyApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
