#pragma once
#include "platform/Win32Types.h"
#include "toolkit/Rect.h"

#include <string>

namespace tk {

// A property of a control that its window shows and reads again from the
// control when told that it changed.
enum class IconSize { Small, Large };

enum class Aspect { Look, ReadOnly, Color, Checked, Range, Position, Hint, Default, Limit };

// The realized window of a control: what the portable object asks of it.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;

    virtual platform::Handle handle() const = 0;
    virtual void setText(const std::string& utf8) = 0;
    virtual void setBounds(const Rect& at96Dpi) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void bringToFront() = 0;
    virtual void setForeground() = 0;
    // Both sizes of a window's icon; 0 for none.
    virtual void setIcon(platform::Handle smallIcon, platform::Handle largeIcon) = 0;
    virtual void setFocus() {}
    virtual void changed(Aspect) {}
};

} // namespace tk
