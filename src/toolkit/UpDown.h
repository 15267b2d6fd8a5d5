#pragma once
#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace tk {

class Edit;

// A pair of arrows that steps a number between a minimum and a maximum and
// writes it into the edit it is attached to.
class UpDown : public Control {
public:
    UpDown(std::string name, Control& parent);
    ~UpDown() override;

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    int position() const { return position_; }
    // Kept within the range.
    void setPosition(int position);
    int increment() const { return increment_; }
    void setIncrement(int increment) { increment_ = increment; }
    bool wrap() const { return wrap_; }
    void setWrap(bool wrap) { wrap_ = wrap; }

    Edit* associate() const { return associate_; }
    // Attaches the edit: it shows the position from now on, and its Up and
    // Down keys step this control.
    void setAssociate(Edit* edit);

    // As one press on an arrow: up for a positive direction, down otherwise.
    void step(int direction);

    std::function<void()> onChange;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;

private:
    friend class Edit;
    void showInAssociate();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool wrap_ = false;
    Edit* associate_ = nullptr;
};

} // namespace tk
