#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Backend.h"
#include "toolkit/Button.h"
#include "toolkit/Messages.h"
#include "toolkit/Panel.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

namespace {

// While a form is modal: the other visible forms are disabled and the window
// that was active gets the activation back at the end, however it comes.
class ModalScope {
public:
    ModalScope(Form& form, bool& modal)
        : form_(form), modal_(modal), previous_(backend().activeWindow()) {
        modal_ = true;
        for (Form* other : Application::instance().forms()) {
            if (other == &form || !other->visible() || !other->enabled())
                continue;
            other->setEnabled(false);
            disabled_.push_back(other);
        }
    }
    ~ModalScope() {
        modal_ = false;
        const std::vector<Form*>& live = Application::instance().forms();
        for (Form* other : disabled_) {
            if (std::find(live.begin(), live.end(), other) != live.end())
                other->setEnabled(true);
        }
        if (previous_ && previous_ != form_.handle())
            backend().activate(previous_);
        form_.hide();
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    Form& form_;
    bool& modal_;
    platform::Handle previous_;
    std::vector<Form*> disabled_;
};

template <class Match> Button* findButton(const Control& root, Match match) {
    for (Control* child : root.children()) {
        auto* button = dynamic_cast<Button*>(child);
        if (button && match(*button))
            return button;
        if (Button* found = findButton(*child, match))
            return found;
    }
    return nullptr;
}

void collectTabStops(const Control& container, std::vector<Control*>& list) {
    std::vector<Control*> children = container.children();
    std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
        return a->tabOrder() < b->tabOrder();
    });
    for (Control* child : children) {
        if (!child->visible() || !child->enabled())
            continue;
        if (child->canFocus() && child->tabStop())
            list.push_back(child);
        collectTabStops(*child, list);
    }
}

} // namespace

Form::Form(std::string name) : Control(std::move(name)) {
    form_ = this;
    Application::instance().addForm(*this);
}

Form::~Form() {
    Application::instance().removeForm(*this);
    destroyPeer();
    for (platform::Handle icon : {icon_, largeIcon_})
        if (icon)
            backend().destroyIcon(icon);
}

void Form::setCaption(std::string utf8) {
    caption_ = std::move(utf8);
    if (peer())
        peer()->setText(caption_);
}

// Showing a hidden window raises it already; raising it again costs a
// second trip to the window server on every show. A form opens with the
// keyboard on the control that had it, else on its first tab stop, never on
// its frame, where keys reach nothing.
void Form::show() {
    if (visible())
        bringToFront();
    else
        setVisible(true);
    if (focused_ && focused_->canFocus())
        focused_->setFocus();
    else
        focusNext();
}

void Form::close() {
    CloseAction action = CloseAction::Hide;
    if (onClose && !raise([&] { onClose(action); }))
        return;
    if (action == CloseAction::None)
        return;
    if (modal_)
        setModalResult(ModalResult::Cancel);
    else if (Application::instance().mainForm() == this)
        Application::instance().terminate();
    else
        hide();
}

void Form::bringToFront() {
    if (peer())
        peer()->bringToFront();
}

void Form::setForeground() {
    handle();
    peer()->setForeground();
}

void Form::setIcon(int resourceId) {
    platform::Handle previous[] = {icon_, largeIcon_};
    iconResource_ = resourceId;
    icon_ = backend().loadIcon(resourceId, IconSize::Small);
    largeIcon_ = backend().loadIcon(resourceId, IconSize::Large);
    if (peer())
        peer()->setIcon(icon_, largeIcon_);
    for (platform::Handle icon : previous)
        if (icon)
            backend().destroyIcon(icon);
}

void Form::setBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    changed(Aspect::Look);
}

void Form::setStayOnTop(bool onTop) {
    stayOnTop_ = onTop;
    changed(Aspect::Look);
}

void Form::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    changed(Aspect::Look);
}

void Form::setFont(Font font) {
    font_ = std::move(font);
    changed(Aspect::Look);
}

ModalResult Form::showModal() {
    if (modal_ || visible())
        throw std::logic_error("Form " + name() + " is already shown");
    modalResult_ = ModalResult::None;
    {
        ModalScope scope(*this, modal_);
        show();
        backend().runModal(*this);
    }
    return modalResult_;
}

void Form::setModalResult(ModalResult result) {
    modalResult_ = result;
    // Wakes a modal loop that waits for the next message.
    if (modal_ && result != ModalResult::None && peer())
        backend().postMessage(peer()->handle(), msg::kNull, 0, 0);
}

bool Form::keyDown(Key key, bool shift) {
    switch (key) {
    case Key::Tab:
        focusNext(!shift);
        return true;
    case Key::Enter:
        pressEnter();
        return true;
    case Key::Escape:
        return pressEscape();
    default:
        return focused_ && focused_->reachable() && focused_->handleKey(key);
    }
}

bool Form::keyRepeated(Key key, bool shift) {
    bool onButton = dynamic_cast<Button*>(focused_) || dynamic_cast<Panel*>(focused_);
    switch (key) {
    case Key::Enter:
        if (!onButton && focused_ && focused_->reachable())
            focused_->handleKey(Key::Enter);
        return true;
    case Key::Space:
        return onButton || keyDown(key, shift);
    default:
        return keyDown(key, shift);
    }
}

void Form::pressEnter() {
    if (focused_ && focused_->reachable() && focused_->handleKey(Key::Enter))
        return;
    Button* button = defaultButton();
    if (button && button->reachable())
        button->click();
}

bool Form::pressEscape() {
    Button* button = cancelButton();
    if (!button || !button->reachable())
        return false;
    button->click();
    return true;
}

void Form::focusNext(bool forward) {
    std::vector<Control*> list = tabList();
    if (list.empty())
        return;
    auto at = std::find(list.begin(), list.end(), focused_);
    std::ptrdiff_t count = static_cast<std::ptrdiff_t>(list.size());
    std::ptrdiff_t index = at == list.end() ? (forward ? -1 : count) : at - list.begin();
    index = ((forward ? index + 1 : index - 1) + count) % count;
    list[static_cast<std::size_t>(index)]->setFocus();
}

std::vector<Control*> Form::tabList() const {
    std::vector<Control*> list;
    collectTabStops(*this, list);
    return list;
}

Button* Form::defaultButton() const {
    return findButton(*this, [](const Button& button) { return button.isDefault(); });
}

Button* Form::cancelButton() const {
    return findButton(*this, [](const Button& button) { return button.isCancel(); });
}

void Form::forget(Control& control) {
    if (focused_ == &control)
        focused_ = nullptr;
}

bool Form::beforeToolkit(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&) {
    return false;
}

std::unique_ptr<WindowPeer> Form::createPeer() {
    return backend().createFormWindow(*this, Application::instance().handle());
}

void Form::visibleChanged() {
    if (visible()) {
        raise(onShow);
        handle();
    }
}

} // namespace tk
