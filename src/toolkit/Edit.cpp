#include "toolkit/Edit.h"

#include "toolkit/AnsiText.h"
#include "toolkit/Backend.h"
#include "toolkit/Latin1Text.h"
#include "toolkit/UpDown.h"

namespace tk {

namespace {

void eraseLastCharacter(std::string& utf8) {
    while (!utf8.empty() && (static_cast<unsigned char>(utf8.back()) & 0xC0) == 0x80)
        utf8.pop_back();
    if (!utf8.empty())
        utf8.pop_back();
}

std::size_t utf16Length(const std::string& utf8) {
    std::size_t units = 0;
    for (unsigned char c : utf8)
        units += (c & 0xC0) != 0x80 ? (c >= 0xF0 ? 2 : 1) : 0;
    return units;
}

} // namespace

void Edit::setMaxLength(std::size_t units) {
    maxLength_ = units;
    if (peer())
        peer()->changed(Aspect::Limit);
}

Edit::Edit(std::string name, Control& parent) : Control(std::move(name), &parent) {
    setVisible(true);
}

Edit::~Edit() {
    if (upDown_)
        upDown_->associate_ = nullptr;
}

void Edit::setText(std::string utf8) {
    if (utf8 == text_)
        return;
    text_ = std::move(utf8);
    if (peer())
        peer()->setText(text_);
}

void Edit::setAnsiText(std::string ansi) {
    setText(ansiToUtf8(ansi));
    origin_ = AnsiOrigin{std::move(ansi), text_};
}

std::string Edit::ansiText() const {
    if (origin_ && origin_->shown == text_)
        return origin_->bytes;
    return utf8ToAnsi(text_);
}

void Edit::setReadOnly(bool readOnly) {
    if (readOnly == readOnly_)
        return;
    readOnly_ = readOnly;
    changed(Aspect::ReadOnly);
}

void Edit::setColor(SysColor color) {
    if (color == color_)
        return;
    color_ = color;
    changed(Aspect::Color);
}

void Edit::typeChar(char32_t key) {
    if (keyPress(key) && !readOnly_)
        insert(key);
}

bool Edit::keyPress(char32_t& key) {
    if (onKeyPress && !raise([&] { onKeyPress(key); }))
        return false;
    return key != 0;
}

void Edit::insert(char32_t key) {
    std::string text = text_;
    if (key == kCharBackspace)
        eraseLastCharacter(text);
    else if (key >= 0x20 && (maxLength_ == 0 || utf16Length(text + utf8Of(key)) <= maxLength_))
        text += utf8Of(key);
    else
        return;
    setText(std::move(text));
    raise(onChange);
}

void Edit::textEdited(std::string utf8) {
    if (utf8 == text_)
        return;
    text_ = std::move(utf8);
    raise(onChange);
}

bool Edit::handleKey(Key key) {
    switch (key) {
    case Key::Enter: {
        char32_t enter = kCharEnter;
        return !keyPress(enter);
    }
    case Key::Up:
    case Key::Down:
        if (!upDown_ || !upDown_->reachable())
            return false;
        upDown_->step(key == Key::Up ? 1 : -1);
        return true;
    default:
        return false;
    }
}

std::unique_ptr<WindowPeer> Edit::createPeer() {
    return backend().createEditWindow(*this, parentHandle());
}

} // namespace tk
