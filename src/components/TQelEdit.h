#pragma once
#include "platform/Win32Types.h"
#include "toolkit/Edit.h"

#include <functional>
#include <string>
#include <vector>

// A single-line edit onto which files can be dropped from the shell; it hands
// the full names of the dropped files (ANSI code page, in the shell's order)
// to its owner.
class TQelEdit : public tk::Edit {
public:
    using StringList = std::vector<std::string>;

    TQelEdit(std::string name, tk::Control& parent);

    bool DropAccept() const { return dropAccept_; }
    // Registers the window at once, making it first if need be.
    void setDropAccept(bool accept);

    // Raised each time the window has been made, after its registration.
    std::function<void(TQelEdit& Sender)> OnCreate;
    // Raised once per drop that brings names; the list lives only while the
    // handler runs.
    std::function<void(TQelEdit& Sender, const StringList& flist)> OnDropFiles;

protected:
    void created() override;
    // A drop arrives as a window message, after the edit's own handling.
    void afterEdit(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    void dropFiles(platform::Handle drop);
    static StringList queryNames(platform::Handle drop);

    bool dropAccept_ = false;
};
