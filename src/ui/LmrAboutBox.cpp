#include "ui/LmrAboutBox.h"

#include "toolkit/Application.h"
#include "ui/TLmrAboutBoxForm.h"

LmrAboutBox::LmrAboutBox(Lumaro* owner)
    : owner_(owner), form_(&tk::Application::instance().createForm<TLmrAboutBoxForm>()) {
    form_->setAboutBox(this);
}

LmrAboutBox::~LmrAboutBox() {
    owner_ = nullptr;
    form_->close();
    tk::Application::instance().destroyForm(*form_);
}

// Shown modeless and brought to the front, but not made the foreground
// window first.
void LmrAboutBox::show() {
    form_->show();
}
