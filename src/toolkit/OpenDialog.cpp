#include "toolkit/OpenDialog.h"

#include "platform/FileDialogApi.h"

#include <optional>
#include <vector>

namespace tk {

namespace {

std::optional<std::string> currentDirectory(platform::FileDialogApi& api) {
    platform::Dword size = api.GetCurrentDirectoryA(0, nullptr);
    if (size == 0)
        return std::nullopt;
    std::vector<char> buffer(size, '\0');
    platform::Dword length = api.GetCurrentDirectoryA(size, buffer.data());
    if (length == 0 || length >= size)
        return std::nullopt;
    return std::string(buffer.data(), length);
}

} // namespace

bool OpenDialog::execute(platform::Handle owner) {
    platform::FileDialogApi& api = platform::fileDialogApi();
    std::optional<std::string> folder = currentDirectory(api);
    std::vector<char> buffer(kBufferSize, '\0');
    if (fileName_.size() < kBufferSize)
        fileName_.copy(buffer.data(), fileName_.size());
    platform::OpenFileNameA ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = kBufferSize;
    ofn.Flags = platform::kOfnExplorer | platform::kOfnHideReadOnly | platform::kOfnEnableSizing;
    bool chosen = api.GetOpenFileNameA(&ofn);
    if (folder)
        api.SetCurrentDirectoryA(folder->c_str());
    if (chosen)
        fileName_ = buffer.data();
    return chosen;
}

} // namespace tk
