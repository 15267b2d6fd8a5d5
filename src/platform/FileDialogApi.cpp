#include "platform/FileDialogApi.h"

namespace platform {

namespace {
FileDialogApi* installed = nullptr;
}

FileDialogApi& fileDialogApi() {
    return installed ? *installed : defaultFileDialogApi();
}

FileDialogApi* installFileDialogApi(FileDialogApi* api) {
    FileDialogApi* previous = installed;
    installed = api;
    return previous;
}

} // namespace platform
