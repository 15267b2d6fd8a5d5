#pragma once
#include "platform/Win32Types.h"
#include "toolkit/Key.h"
#include "toolkit/Rect.h"
#include "toolkit/WindowPeer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Form;

// A named element of a form. It holds its properties with or without a
// window; once realized it mirrors every change to its window. A container's
// window is made with its children's.
class Control {
public:
    explicit Control(std::string name, Control* parent = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }
    // Searches the whole subtree, this control included.
    Control* find(std::string_view name);
    template <class T> T* findAs(std::string_view name) { return dynamic_cast<T*>(find(name)); }
    // The form at the root of this control's tree, if any.
    Form* form() const { return form_; }

    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Visible and enabled, and so are all its parents: the user can reach it.
    bool reachable() const;

    // Position among its siblings when Tab moves the focus.
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int order) { tabOrder_ = order; }
    virtual bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop) { tabStop_ = stop; }
    // A kind of control that takes the keyboard focus, and reachable.
    bool canFocus() const { return focusable() && reachable(); }
    bool focused() const;
    // Makes this the focused control of its form; ignored if it cannot take
    // the focus.
    void setFocus();

    // A key the toolkit handles for this kind of control while it has the
    // focus; true when the key was used.
    virtual bool handleKey(Key) { return false; }

    // The tool-tip.
    const std::string& hint() const { return hint_; }
    void setHint(std::string utf8);
    // What a screen reader calls the control where its own text or a label
    // beside it does not say it; empty to leave the name to the system.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string utf8) { accessibleName_ = std::move(utf8); }

    // The window's handle. Asking for it makes the window (and its parents')
    // when there is none yet; handleAllocated() asks without making one.
    platform::Handle handle();
    bool handleAllocated() const { return peer_ != nullptr; }
    // Destroys the window and its children's and makes them again.
    void recreateWindow();

    // Sends or posts a raw message to the window, making it if need be:
    // under Win32 it takes the system's path; headless it reaches only the
    // raw hooks (Form::beforeToolkit, Edit::afterEdit).
    std::intptr_t dispatch(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    void post(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Called by the window when the system gave it the focus.
    void focusReceived();

protected:
    virtual std::unique_ptr<WindowPeer> createPeer() = 0;
    virtual void visibleChanged() {}
    virtual void enabledChanged() {}
    virtual void boundsChanged() {}
    // The window has just been made, the first time or again.
    virtual void created() {}
    virtual bool focusable() const { return false; }
    WindowPeer* peer() const { return peer_.get(); }
    void destroyPeer();
    void changed(Aspect aspect);
    platform::Handle parentHandle() { return parent_ ? parent_->handle() : 0; }
    // Runs an event handler; what escapes it is shown (Application::raise).
    static bool raise(const std::function<void()>& event);

private:
    void realizeChildren();
    friend class Form;
    void realize();
    void detach();
    void forgetForm();

    std::string name_;
    Control* parent_;
    Form* form_ = nullptr;
    std::vector<Control*> children_;
    Rect bounds_;
    bool visible_ = false;
    bool enabled_ = true;
    int tabOrder_ = 0;
    bool tabStop_ = true;
    std::string hint_;
    std::string accessibleName_;
    bool unrealizedBelow_ = false; // a control below was added after this window
    std::unique_ptr<WindowPeer> peer_;
};

} // namespace tk
