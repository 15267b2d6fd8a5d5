#include "ui/LmrDisplayer.h"

#include "app/Lumaro.h"
#include "model/HotKeyList.h"
#include "toolkit/Application.h"
#include "ui/TLmrDefForm.h"

LmrDisplayer::LmrDisplayer(Lumaro* owner) : owner_(owner), workingList_(new HotKeyList()) {
    form_ = &tk::Application::instance().createForm<TLmrDefForm>();
    form_->setDisplayer(this);
}

LmrDisplayer::~LmrDisplayer() {
    if (form_) {
        form_->close();
        tk::Application::instance().destroyForm(*form_);
        form_ = nullptr;
    }
    owner_ = nullptr;
    delete workingList_;
    workingList_ = nullptr;
}

void LmrDisplayer::setHotKeyList(const HotKeyList* list) {
    delete workingList_;
    workingList_ = new HotKeyList(list);
    form_->setPage(false, false, false);
    showPage();
}

HotKeyList* LmrDisplayer::copyHotKeyList() const {
    return new HotKeyList(workingList_);
}

void LmrDisplayer::show() {
    if (form_)
        form_->bringToFront();
}

void LmrDisplayer::commit() {
    storePage();
    owner_->commitDefinitions();
}

// The rows arrive with the definition window's controls.
void LmrDisplayer::storePage() {}

void LmrDisplayer::showPage() {}
