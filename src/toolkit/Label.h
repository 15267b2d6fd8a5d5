#pragma once
#include "toolkit/Control.h"

#include <string>

namespace tk {

enum class Alignment { Left, Center, Right };

// A line of text. Auto-sized, its window is as wide and as high as its text
// in the form's font and keeps the edge its alignment holds to; otherwise it
// keeps its bounds.
class Label : public Control {
public:
    Label(std::string name, Control& parent);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

protected:
    std::unique_ptr<WindowPeer> createPeer() override;

private:
    std::string caption_;
    bool autoSize_ = true;
    Alignment alignment_ = Alignment::Left;
};

} // namespace tk
