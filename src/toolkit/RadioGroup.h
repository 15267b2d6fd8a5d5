#pragma once
#include "toolkit/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class RadioButton;

// A framed group of radio buttons made from a list of items and laid out in
// columns, top to bottom, then left to right. Its buttons are its children,
// named after the group and their index ("SizeGroup.Item2").
class RadioGroup : public Control {
public:
    RadioGroup(std::string name, Control& parent);
    ~RadioGroup() override;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string utf8);
    int columns() const { return columns_; }
    void setColumns(int columns);
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    RadioButton* button(int index) const;

    // -1 when no item is selected. Setting an index out of range selects none.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    // Raised when the selected item changes, by the user or the program.
    std::function<void()> onClick;

protected:
    std::unique_ptr<WindowPeer> createPeer() override;
    void boundsChanged() override { arrange(); }
    void enabledChanged() override;

private:
    void arrange();
    void itemChecked(int index);

    std::string caption_;
    int columns_ = 1;
    std::vector<std::string> items_;
    std::vector<std::unique_ptr<RadioButton>> buttons_;
    int itemIndex_ = -1;
};

} // namespace tk
