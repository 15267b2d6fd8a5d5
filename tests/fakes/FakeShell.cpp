#include "fakes/FakeShell.h"

#include <algorithm>
#include <cctype>
#include <iterator>

using namespace platform;

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::optional<std::string> text(const char* p) {
    return p ? std::optional<std::string>(p) : std::nullopt;
}

// The sizes the shell takes on the architecture this is built for, written
// out rather than taken from the program's structures, so that a size meant
// for another architecture fails a test before it reaches Windows.
constexpr bool k64Bit = sizeof(void*) == 8;
constexpr Dword kNotifyIconDataV1Size = k64Bit ? 104 : 88;
constexpr Dword kIdentifierSize = k64Bit ? 40 : 28;

} // namespace

bool FakeShell::enter(const char* function) {
    calls_.push_back(function);
    return failing_.count(function) == 0;
}

std::intptr_t FakeShell::ShellExecuteA(Handle hwnd, const char* verb, const char* file,
                                       const char* params, const char* dir, int show) {
    if (!enter("ShellExecuteA"))
        return 2; // ERROR_FILE_NOT_FOUND, as for a missing file
    launches_.push_back({hwnd, text(verb), text(file), text(params), text(dir), show});
    return shellExecuteResult_;
}

Handle FakeShell::FindWindowA(const char* className, const char* windowName) {
    if (!enter("FindWindowA"))
        return 0;
    for (const auto& [hwnd, window] : windows_) {
        if (window.destroyed)
            continue;
        if (className && upper(className) != upper(window.className))
            continue;
        if (windowName && upper(windowName) != upper(window.title))
            continue;
        return hwnd;
    }
    return 0;
}

bool FakeShell::PostMessageA(Handle hwnd, unsigned msg, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    bool ok = enter("PostMessageA");
    auto window = windows_.find(hwnd);
    if (window != windows_.end() && window->second.destroyed)
        ok = false;
    posts_.push_back({hwnd, msg, wParam, lParam, ok});
    return ok;
}

void FakeShell::apply(Icon& icon, const NotifyIconDataA& data) {
    icon.flags = data.uFlags;
    if (data.uFlags & kNifMessage)
        icon.callbackMessage = data.uCallbackMessage;
    if (data.uFlags & kNifIcon)
        icon.icon = data.hIcon;
    if (data.uFlags & kNifTip)
        icon.tip.assign(data.szTip, std::find(std::begin(data.szTip), std::end(data.szTip), '\0'));
}

bool FakeShell::addIcon(const NotifyIconDataA& data) {
    auto [entry, added] = icons_.try_emplace({data.hWnd, data.uID});
    if (added)
        apply(entry->second, data);
    return added;
}

bool FakeShell::modifyIcon(const NotifyIconDataA& data) {
    auto found = icons_.find({data.hWnd, data.uID});
    if (found == icons_.end())
        return false;
    apply(found->second, data);
    return true;
}

bool FakeShell::Shell_NotifyIconA(Dword message, NotifyIconDataA* data) {
    if (!enter("Shell_NotifyIconA") || !data || data->cbSize != kNotifyIconDataV1Size)
        return false;
    switch (message) {
    case kNimAdd:
        return addIcon(*data);
    case kNimModify:
        return modifyIcon(*data);
    case kNimDelete:
        return icons_.erase({data->hWnd, data->uID}) != 0;
    case kNimSetFocus:
        if (!icons_.count({data->hWnd, data->uID}))
            return false;
        notificationAreaFocused_ = true;
        return true;
    default:
        return false;
    }
}

long FakeShell::Shell_NotifyIconGetRect(const NotifyIconIdentifier* identifier,
                                        ScreenRect* iconLocation) {
    constexpr long kFail = static_cast<long>(0x80004005); // E_FAIL
    if (!enter("Shell_NotifyIconGetRect") || !identifier || !iconLocation ||
        identifier->cbSize != kIdentifierSize || !icons_.count({identifier->hWnd, identifier->uID}))
        return kFail;
    *iconLocation = iconRect_;
    return 0;
}

unsigned FakeShell::RegisterWindowMessageA(const char* name) {
    if (!enter("RegisterWindowMessageA") || !name || !*name)
        return 0;
    auto [entry, added] = messages_.try_emplace(upper(name), 0);
    if (added)
        entry->second = kFirstRegisteredMessage + static_cast<unsigned>(messages_.size()) - 1;
    return entry->second;
}

Handle FakeShell::addWindow(const std::string& className, const std::string& title) {
    Handle hwnd = nextWindow_;
    nextWindow_ += 0x10;
    windows_[hwnd] = Window{className, title, false};
    return hwnd;
}

void FakeShell::destroyWindow(Handle hwnd) {
    auto found = windows_.find(hwnd);
    if (found != windows_.end())
        found->second.destroyed = true;
}

const FakeShell::Icon* FakeShell::icon(Handle hwnd, unsigned id) const {
    auto found = icons_.find({hwnd, id});
    return found == icons_.end() ? nullptr : &found->second;
}
