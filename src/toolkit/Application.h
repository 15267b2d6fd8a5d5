#pragma once
#include "platform/Win32Types.h"
#include "toolkit/WindowPeer.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

class Form;

// The program's one application object: its title, its hidden owner window,
// its forms (the first one created is the main form), the message loop and
// the standard error box.
class Application {
public:
    static Application& instance();

    void initialize();
    const std::string& title() const { return title_; }
    void setTitle(std::string utf8);
    // The hidden window that owns every form; created on first request.
    platform::Handle handle();

    bool showMainForm() const { return showMainForm_; }
    void setShowMainForm(bool show) { showMainForm_ = show; }
    Form* mainForm() const { return mainForm_; }
    const std::vector<Form*>& forms() const { return forms_; }
    Form* findForm(std::string_view name) const;

    // Constructs a form the application owns and raises its onCreate; what
    // escapes the handler escapes here, and no form is left.
    template <class T, class... Args> T& createForm(Args&&... args);
    // Frees a form made by createForm; any other form is left alone.
    void destroyForm(Form& form);

    // Runs the message loop until the application terminates. Headless, it
    // also returns once nothing is left to dispatch.
    void run();
    void terminate();
    // Asked to close the application itself (its hidden window was sent
    // WM_CLOSE, as a polite kill does): it ends as when its main form closes.
    void close();
    bool terminated() const { return terminated_; }
    void processMessages();

    // The standard error box: the exception's text, captioned with the title.
    void showException(const std::exception& error) noexcept;
    // Runs an action on behalf of the system or the user: whatever escapes it
    // is shown and goes no further. Returns false when something escaped.
    template <class F> bool runGuarded(F&& action) noexcept;
    // Where the system calls us (a window's procedure, a key the loop hands
    // to a form): the action runs under the one guard, and the events it
    // raises are left to that guard instead of catching again.
    template <class F> bool runForSystem(F&& action) noexcept;
    // Raises an event handler: inside runForSystem, what escapes goes to its
    // guard; called directly, the handler is guarded here.
    bool raise(const std::function<void()>& event);
    // Hides the application's window (the first show command a process gives
    // is taken from how it was started, so the entry point spends it here).
    void hide();

    // Back to the state before initialize(): forms made by createForm are
    // freed and the hidden window destroyed. For tests.
    void reset();

private:
    Application() = default;
    friend class Form;
    void addForm(Form& form);
    void removeForm(Form& form);
    void adopt(std::unique_ptr<Form> form);
    void showUnknownException() noexcept;

    std::string title_;
    std::unique_ptr<WindowPeer> window_;
    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> owned_;
    Form* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    int systemCalls_ = 0;
};

template <class T, class... Args> T& Application::createForm(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T& created = *form;
    adopt(std::move(form));
    return created;
}

template <class F> bool Application::runGuarded(F&& action) noexcept {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        showException(error);
    } catch (...) {
        showUnknownException();
    }
    return false;
}

template <class F> bool Application::runForSystem(F&& action) noexcept {
    ++systemCalls_;
    bool completed = runGuarded(std::forward<F>(action));
    --systemCalls_;
    return completed;
}

} // namespace tk
