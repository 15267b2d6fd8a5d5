#include "fakes/FakeFileDialog.h"

#include <cstring>

using namespace platform;

FakeFileDialog::FakeFileDialog(std::string currentDirectory)
    : current_(std::move(currentDirectory)) {}

bool FakeFileDialog::GetOpenFileNameA(OpenFileNameA* ofn) {
    error_ = 0;
    Shown shown{ofn->hwndOwner,
                ofn->lpstrFilter != nullptr,
                ofn->lpstrInitialDir != nullptr,
                ofn->lpstrTitle != nullptr,
                ofn->Flags,
                ofn->nMaxFile,
                ofn->lpstrFile ? ofn->lpstrFile : ""};
    shown_.push_back(shown);
    std::optional<std::string> choice = user_ ? user_(shown) : std::nullopt;
    return choice && pick(*ofn, *choice);
}

bool FakeFileDialog::pick(OpenFileNameA& ofn, const std::string& name) {
    if (name.size() + 1 > ofn.nMaxFile) {
        error_ = kFnErrBufferTooSmall;
        return false;
    }
    std::memcpy(ofn.lpstrFile, name.c_str(), name.size() + 1);
    std::size_t slash = name.find_last_of('\\');
    std::size_t offset = slash == std::string::npos ? 0 : slash + 1;
    ofn.nFileOffset = static_cast<std::uint16_t>(offset);
    if (offset > 0)
        SetCurrentDirectoryA(name.substr(0, offset == 3 ? 3 : offset - 1).c_str());
    return true;
}

Dword FakeFileDialog::GetCurrentDirectoryA(Dword size, char* buffer) {
    Dword length = static_cast<Dword>(current_.size());
    if (!buffer || size <= length)
        return length + 1;
    std::memcpy(buffer, current_.c_str(), length + 1);
    return length;
}

bool FakeFileDialog::SetCurrentDirectoryA(const char* path) {
    if (!path || !*path)
        return false;
    current_ = path;
    ++folderChanges_;
    return true;
}
