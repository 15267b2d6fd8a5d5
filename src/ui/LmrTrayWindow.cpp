#include "ui/LmrTrayWindow.h"

#include "app/Lumaro.h"
#include "toolkit/Application.h"
#include "ui/TLmrTrayForm.h"

LmrTrayWindow::LmrTrayWindow(Lumaro* owner)
    : owner_(owner), form_(&tk::Application::instance().createForm<TLmrTrayForm>()) {
    form_->setTrayWindow(this);
}

LmrTrayWindow::~LmrTrayWindow() {
    form_->retire();
}

void LmrTrayWindow::showDefineWindow() {
    owner_->showDefineWindow();
}

void LmrTrayWindow::showAboutBox() {
    owner_->showAboutBox();
}

void LmrTrayWindow::executeHotKey(const KeyCombination& combination) {
    owner_->executeHotKey(combination);
}

platform::Handle LmrTrayWindow::windowHandle() {
    return form_->handle();
}
