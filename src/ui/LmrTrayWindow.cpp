#include "ui/LmrTrayWindow.h"

#include "app/Lumaro.h"
#include "toolkit/Application.h"
#include "ui/TLmrTrayForm.h"

LmrTrayWindow::LmrTrayWindow(Lumaro* owner)
    : owner_(owner), form_(&tk::Application::instance().createForm<TLmrTrayForm>()) {
    form_->setTrayWindow(this);
}

LmrTrayWindow::~LmrTrayWindow() {
    delete owner_;
    owner_ = nullptr;
}

void LmrTrayWindow::showDefineWindow() {
    if (owner_)
        owner_->showDefineWindow();
}

void LmrTrayWindow::showAboutBox() {
    if (owner_)
        owner_->showAboutBox();
}

void LmrTrayWindow::executeHotKey(const KeyCombination& combination) {
    if (owner_)
        owner_->executeHotKey(combination);
}

void LmrTrayWindow::abandonOwner() {
    owner_ = nullptr;
    form_->retire();
}

platform::Handle LmrTrayWindow::windowHandle() {
    return form_->handle();
}
