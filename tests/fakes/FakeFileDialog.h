#pragma once
#include "platform/FileDialogApi.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The file-open dialog with a user played by the test, and the process's
// current folder, which a confirmed choice moves to the chosen file's folder
// as the real dialog does.
class FakeFileDialog : public platform::FileDialogApi {
public:
    // What the dialog showed when it was opened.
    struct Shown {
        platform::Handle owner = 0;
        bool filter = false;
        bool initialDir = false;
        bool title = false;
        platform::Dword flags = 0;
        platform::Dword maxFile = 0;
        std::string fileName; // the text the file-name box started with
    };
    // Returns the full name the user picks, or nullopt for Cancel.
    using User = std::function<std::optional<std::string>(const Shown&)>;

    explicit FakeFileDialog(std::string currentDirectory = "C:\\Users\\lumaro");

    bool GetOpenFileNameA(platform::OpenFileNameA* ofn) override;
    platform::Dword CommDlgExtendedError() override { return error_; }
    platform::Dword GetCurrentDirectoryA(platform::Dword size, char* buffer) override;
    bool SetCurrentDirectoryA(const char* path) override;

    void setUser(User user) { user_ = std::move(user); }
    const std::vector<Shown>& shown() const { return shown_; }
    const std::string& currentDirectory() const { return current_; }
    std::size_t folderChanges() const { return folderChanges_; }

private:
    bool pick(platform::OpenFileNameA& ofn, const std::string& name);

    std::string current_;
    std::size_t folderChanges_ = 0;
    User user_;
    std::vector<Shown> shown_;
    platform::Dword error_ = 0;
};
