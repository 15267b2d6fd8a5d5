#pragma once
#include "platform/Win32Types.h"

#include <string>

namespace tk {

// The system's file-open dialog. It starts with the file chosen the time
// before, and leaves the process's current folder as it found it (the
// dialog moves it to the chosen file's folder).
class OpenDialog {
public:
    static constexpr platform::Dword kBufferSize = 32768;

    // Shows the dialog owned by the window; true when the user chose a file,
    // whose full name (ANSI code page) is then fileName().
    bool execute(platform::Handle owner);
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string ansi) { fileName_ = std::move(ansi); }

private:
    std::string fileName_;
};

} // namespace tk
