#include "toolkit/RadioGroup.h"

#include "toolkit/Backend.h"
#include "toolkit/Form.h"
#include "toolkit/RadioButton.h"

#include <algorithm>

namespace tk {

RadioGroup::RadioGroup(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
    setTabStop(false);
}

RadioGroup::~RadioGroup() = default;

void RadioGroup::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

void RadioGroup::setColumns(int columns) {
    columns_ = std::max(1, columns);
    arrange();
}

void RadioGroup::setItems(std::vector<std::string> items) {
    buttons_.clear();
    items_ = std::move(items);
    itemIndex_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto button = std::make_unique<RadioButton>(name() + ".Item" + std::to_string(i), *this);
        button->setCaption(items_[i]);
        button->setEnabled(enabled());
        button->onClick = [this, i] { itemChecked(static_cast<int>(i)); };
        buttons_.push_back(std::move(button));
    }
    arrange();
    if (handleAllocated()) {
        for (auto& button : buttons_)
            button->handle();
    }
}

RadioButton* RadioGroup::button(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size()))
        return nullptr;
    return buttons_[static_cast<std::size_t>(index)].get();
}

void RadioGroup::setItemIndex(int index) {
    if (RadioButton* chosen = button(index)) {
        chosen->setChecked(true);
        return;
    }
    for (auto& each : buttons_)
        each->setChecked(false);
    itemIndex_ = -1;
}

void RadioGroup::itemChecked(int index) {
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    raise(onClick);
}

void RadioGroup::enabledChanged() {
    for (auto& button : buttons_)
        button->setEnabled(enabled());
}

// The buttons share the height below the caption's line equally, the spare
// pixels split above and below them.
void RadioGroup::arrange() {
    int count = static_cast<int>(buttons_.size());
    if (count == 0)
        return;
    int textHeight = form() ? form()->font().height : Font{}.height;
    int perColumn = (count + columns_ - 1) / columns_;
    int width = (bounds().width - 10) / columns_;
    int space = bounds().height - textHeight - 5;
    int height = space / perColumn;
    int top = textHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->setBounds(
            {(i / perColumn) * width + 8, (i % perColumn) * height + top, width, height});
    }
}

std::unique_ptr<WindowPeer> RadioGroup::createPeer() {
    return backend().createRadioGroupWindow(*this, parentHandle());
}

} // namespace tk
