#pragma once
#include "platform/ShellApi.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The shell and window manager as far as the program uses them: launches
// and posted messages are recorded with every argument, windows are found
// by class without regard to case, tray icons are kept per (window, uID)
// with the shell's add/modify/delete rules and taken only with the first
// version's size for this architecture, registered window messages are
// numbered from 0xC000, and any function can be made to fail.
class FakeShell : public platform::ShellApi {
public:
    struct Launch {
        platform::Handle hwnd = 0;
        std::optional<std::string> verb, file, params, dir; // nullopt for a null pointer
        int show = 0;
    };
    struct Post {
        platform::Handle hwnd = 0;
        unsigned msg = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
        bool delivered = false;
    };
    struct Icon {
        unsigned flags = 0; // of the last add or modify
        unsigned callbackMessage = 0;
        platform::Handle icon = 0;
        std::string tip;
    };

    std::intptr_t ShellExecuteA(platform::Handle hwnd, const char* verb, const char* file,
                                const char* params, const char* dir, int show) override;
    platform::Handle FindWindowA(const char* className, const char* windowName) override;
    bool PostMessageA(platform::Handle hwnd, unsigned msg, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    bool Shell_NotifyIconA(platform::Dword message, platform::NotifyIconDataA* data) override;
    long Shell_NotifyIconGetRect(const platform::NotifyIconIdentifier* identifier,
                                 platform::ScreenRect* iconLocation) override;
    unsigned RegisterWindowMessageA(const char* name) override;

    // Windows other programs own; a destroyed one refuses posted messages.
    platform::Handle addWindow(const std::string& className, const std::string& title = "");
    void destroyWindow(platform::Handle hwnd);

    void setShellExecuteResult(std::intptr_t result) { shellExecuteResult_ = result; }
    // Where every icon sits: the first one's place on a 1024 by 768 desktop.
    void setIconRect(platform::ScreenRect rect) { iconRect_ = rect; }
    // An icon was given the keyboard focus (NIM_SETFOCUS) and nothing took
    // it since.
    bool notificationAreaFocused() const { return notificationAreaFocused_; }
    void takeFocus() { notificationAreaFocused_ = false; }
    // The shell forgets every icon, as when it restarts.
    void removeAllIcons() { icons_.clear(); }

    const std::vector<Launch>& launches() const { return launches_; }
    const std::vector<Post>& posts() const { return posts_; }
    const Icon* icon(platform::Handle hwnd, unsigned id) const;
    size_t iconCount() const { return icons_.size(); }

    void failFunction(const std::string& function) { failing_.insert(function); }
    void stopFailing() { failing_.clear(); }
    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

    static constexpr unsigned kFirstRegisteredMessage = 0xC000;

private:
    struct Window {
        std::string className;
        std::string title;
        bool destroyed = false;
    };
    using IconKey = std::pair<platform::Handle, unsigned>;

    bool enter(const char* function);
    bool addIcon(const platform::NotifyIconDataA& data);
    bool modifyIcon(const platform::NotifyIconDataA& data);
    static void apply(Icon& icon, const platform::NotifyIconDataA& data);

    std::map<platform::Handle, Window> windows_;
    platform::Handle nextWindow_ = 0x10010;
    std::map<IconKey, Icon> icons_;
    std::map<std::string, unsigned> messages_; // by upper-case name
    std::vector<Launch> launches_;
    std::vector<Post> posts_;
    platform::ScreenRect iconRect_{1006, 750, 1022, 766};
    bool notificationAreaFocused_ = false;
    std::intptr_t shellExecuteResult_ = 42;
    std::set<std::string> failing_;
    std::vector<std::string> calls_;
};
