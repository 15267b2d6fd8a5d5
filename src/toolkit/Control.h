#pragma once
#include "platform/Win32Types.h"
#include "toolkit/Rect.h"
#include "toolkit/WindowPeer.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// A named element of a form. It holds its properties with or without a
// window; once realized it mirrors every change to its window.
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

    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Creates the window on first request.
    platform::Handle handle();
    bool handleAllocated() const { return peer_ != nullptr; }

protected:
    virtual std::unique_ptr<WindowPeer> createPeer() = 0;
    virtual void visibleChanged() {}
    WindowPeer* peer() const { return peer_.get(); }
    void destroyPeer() { peer_.reset(); }
    // Events run through the application's guard: what escapes is shown.
    static bool raise(const std::function<void()>& event);

private:
    std::string name_;
    Control* parent_;
    std::vector<Control*> children_;
    Rect bounds_;
    bool visible_ = false;
    bool enabled_ = true;
    std::unique_ptr<WindowPeer> peer_;
};

} // namespace tk
