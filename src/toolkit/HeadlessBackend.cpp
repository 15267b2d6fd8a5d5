#include "toolkit/HeadlessBackend.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"

namespace tk {

std::unique_ptr<WindowPeer> HeadlessBackend::createApplicationWindow(const std::string& title) {
    auto window = std::make_unique<HeadlessWindow>(*this, nullptr, 0);
    window->setText(title);
    return window;
}

std::unique_ptr<WindowPeer> HeadlessBackend::createFormWindow(Form& form, platform::Handle owner) {
    windowCreating();
    auto window = std::make_unique<HeadlessWindow>(*this, &form, owner);
    window->setRawHook([&form](unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
        std::intptr_t result = 0;
        form.beforeToolkit(msg, wParam, lParam, result);
        return result;
    });
    window->setText(form.caption());
    window->setBounds(form.bounds());
    window->setIcon(form.iconHandle(), form.largeIconHandle());
    return window;
}

std::unique_ptr<HeadlessWindow>
HeadlessBackend::childWindow(Control& control, platform::Handle parent, const std::string& text) {
    windowCreating();
    auto window = std::make_unique<HeadlessWindow>(*this, &control, parent);
    window->setBounds(control.bounds());
    window->setText(text);
    return window;
}

std::unique_ptr<WindowPeer> HeadlessBackend::createPanelWindow(Panel& panel,
                                                               platform::Handle parent) {
    return childWindow(panel, parent, panel.caption());
}

std::unique_ptr<WindowPeer> HeadlessBackend::createLabelWindow(Label& label,
                                                               platform::Handle parent) {
    return childWindow(label, parent, label.caption());
}

std::unique_ptr<WindowPeer> HeadlessBackend::createEditWindow(Edit& edit, platform::Handle parent) {
    auto window = childWindow(edit, parent, edit.text());
    window->setRawHook([&edit](unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
        edit.afterEdit(msg, wParam, lParam);
        return std::intptr_t{0};
    });
    return window;
}

std::unique_ptr<WindowPeer> HeadlessBackend::createButtonWindow(Button& button,
                                                                platform::Handle parent) {
    return childWindow(button, parent, button.caption());
}

std::unique_ptr<WindowPeer> HeadlessBackend::createGlyphButtonWindow(GlyphButton& button,
                                                                     platform::Handle parent) {
    return HeadlessBackend::createButtonWindow(button, parent);
}

std::unique_ptr<WindowPeer> HeadlessBackend::createRadioButtonWindow(RadioButton& button,
                                                                     platform::Handle parent) {
    return childWindow(button, parent, button.caption());
}

std::unique_ptr<WindowPeer> HeadlessBackend::createRadioGroupWindow(RadioGroup& group,
                                                                    platform::Handle parent) {
    return childWindow(group, parent, group.caption());
}

std::unique_ptr<WindowPeer> HeadlessBackend::createUpDownWindow(UpDown& upDown,
                                                                platform::Handle parent) {
    return childWindow(upDown, parent);
}

std::unique_ptr<WindowPeer> HeadlessBackend::createImageWindow(Image& image,
                                                               platform::Handle parent) {
    return childWindow(image, parent);
}

platform::Handle HeadlessBackend::loadIcon(int resourceId, IconSize) {
    platform::Handle icon = nextHandle_;
    nextHandle_ += 4;
    icons_[icon] = resourceId;
    return icon;
}

void HeadlessBackend::destroyIcon(platform::Handle icon) {
    icons_.erase(icon);
}

int HeadlessBackend::trackPopupMenu(const PopupMenu&, platform::Handle, int, int) {
    return -1;
}

std::intptr_t HeadlessBackend::sendMessage(platform::Handle window, unsigned msg,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
    auto found = windows_.find(window);
    if (found == windows_.end())
        return 0;
    HeadlessWindow& target = *found->second;
    std::intptr_t result = 0;
    Application::instance().runForSystem([&] { result = target.receiveRaw(msg, wParam, lParam); });
    return result;
}

void HeadlessBackend::postMessage(platform::Handle window, unsigned msg, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
    queue_.push_back({window, msg, wParam, lParam, {}, false});
}

LoopStep HeadlessBackend::runOne() {
    if (queue_.empty())
        return LoopStep::Idle;
    Posted next = std::move(queue_.front());
    queue_.pop_front();
    if (next.quit)
        return LoopStep::Quit;
    deliver(next);
    return LoopStep::Dispatched;
}

LoopStep HeadlessBackend::runPending() {
    LoopStep step = LoopStep::Idle;
    while (step != LoopStep::Quit && !queue_.empty())
        step = runOne();
    return step == LoopStep::Quit ? step : LoopStep::Idle;
}

void HeadlessBackend::postQuit() {
    queue_.push_back({0, 0, 0, 0, {}, true});
}

void HeadlessBackend::errorBox(const std::string&, const std::string&) {}

void HeadlessBackend::runModal(Form& form) {
    if (runPending() == LoopStep::Quit) {
        postQuit();
        form.setModalResult(ModalResult::Cancel);
    }
    if (form.modalResult() == ModalResult::None)
        form.close();
}

void HeadlessBackend::post(std::function<void()> task) {
    queue_.push_back({0, 0, 0, 0, std::move(task), false});
}

const HeadlessWindow* HeadlessBackend::window(platform::Handle handle) const {
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second;
}

int HeadlessBackend::iconResource(platform::Handle icon) const {
    auto found = icons_.find(icon);
    return found == icons_.end() ? 0 : found->second;
}

platform::Handle HeadlessBackend::add(HeadlessWindow& window) {
    platform::Handle handle = nextHandle_;
    nextHandle_ += 4;
    windows_[handle] = &window;
    return handle;
}

void HeadlessBackend::remove(platform::Handle handle) {
    windows_.erase(handle);
    if (front_ == handle)
        front_ = 0;
    if (focus_ == handle)
        focus_ = 0;
    if (foreground_ == handle)
        foreground_ = 0;
}

void HeadlessBackend::deliver(const Posted& posted) {
    if (posted.task)
        Application::instance().runForSystem(posted.task);
    else
        sendMessage(posted.window, posted.msg, posted.wParam, posted.lParam);
}

} // namespace tk
