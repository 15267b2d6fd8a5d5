#pragma once
#include "toolkit/Control.h"

#include <string>

namespace tk {

// A picture: an icon from the program's resources, drawn at its bounds' size.
class Image : public Control {
public:
    Image(std::string name, Control& parent);

    int iconResource() const { return iconResource_; }
    void setIconResource(int resourceId);

protected:
    std::unique_ptr<WindowPeer> createPeer() override;

private:
    int iconResource_ = 0;
};

} // namespace tk
