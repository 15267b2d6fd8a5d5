#pragma once
#include "toolkit/Backend.h"
#include "toolkit/HeadlessWindow.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>

namespace tk {

// A backend without any windowing system. Windows are records, posted
// messages wait in a queue until the loop runs, and nobody is there to
// answer: a menu is dismissed, a modal form left open is closed as by its
// close box, and an error box is shown to no one. Tests derive a backend
// that plays the user.
class HeadlessBackend : public Backend {
public:
    std::unique_ptr<WindowPeer> createApplicationWindow(const std::string& title) override;
    std::unique_ptr<WindowPeer> createFormWindow(Form& form, platform::Handle owner) override;
    std::unique_ptr<WindowPeer> createPanelWindow(Panel& panel, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createLabelWindow(Label& label, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createEditWindow(Edit& edit, platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createButtonWindow(Button& button,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createGlyphButtonWindow(GlyphButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioButtonWindow(RadioButton& button,
                                                        platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createRadioGroupWindow(RadioGroup& group,
                                                       platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createUpDownWindow(UpDown& upDown,
                                                   platform::Handle parent) override;
    std::unique_ptr<WindowPeer> createImageWindow(Image& image, platform::Handle parent) override;
    platform::Handle loadIcon(int resourceId, IconSize size) override;
    void destroyIcon(platform::Handle icon) override;
    int trackPopupMenu(const PopupMenu& menu, platform::Handle owner, int x, int y) override;
    // Hands a raw message to the window's raw hook, under the guard of a
    // call from the system.
    std::intptr_t sendMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    LoopStep runOne() override;
    LoopStep runPending() override;
    void postQuit() override;
    void runModal(Form& form) override;
    platform::Handle activeWindow() override { return front_; }
    void activate(platform::Handle window) override { front_ = window; }
    void errorBox(const std::string& text, const std::string& caption) override;

    // Queues an action for the loop, as if the user or the system did it.
    void post(std::function<void()> task);
    std::size_t pending() const { return queue_.size(); }

    const HeadlessWindow* window(platform::Handle handle) const;
    std::size_t windowCount() const { return windows_.size(); }
    platform::Handle frontWindow() const { return front_; }
    platform::Handle focusWindow() const { return focus_; }
    // The last window put in the foreground; 0 when none was, or it is gone.
    platform::Handle foregroundWindow() const { return foreground_; }
    // The resource an icon handle was loaded from; 0 for no live icon.
    int iconResource(platform::Handle icon) const;
    std::size_t iconCount() const { return icons_.size(); }

    // For HeadlessWindow.
    platform::Handle add(HeadlessWindow& window);
    void remove(platform::Handle handle);
    void raised(platform::Handle handle) { front_ = handle; }
    void broughtToForeground(platform::Handle handle) { foreground_ = handle; }
    void focused(platform::Handle handle) { focus_ = handle; }

protected:
    // Before every window is made, forms' and controls' alike; a window that
    // cannot be made throws from here.
    virtual void windowCreating() {}

private:
    struct Posted {
        platform::Handle window = 0;
        unsigned msg = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
        std::function<void()> task;
        bool quit = false;
    };
    void deliver(const Posted& posted);
    std::unique_ptr<HeadlessWindow> childWindow(Control& control, platform::Handle parent,
                                                const std::string& text = {});

    std::deque<Posted> queue_;
    std::map<platform::Handle, HeadlessWindow*> windows_;
    std::map<platform::Handle, int> icons_;
    platform::Handle nextHandle_ = 0x10010;
    platform::Handle front_ = 0;
    platform::Handle focus_ = 0;
    platform::Handle foreground_ = 0;
};

} // namespace tk
