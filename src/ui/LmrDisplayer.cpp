#include "ui/LmrDisplayer.h"

#include "app/HotKeyAccessCtrl.h"
#include "app/Lumaro.h"
#include "model/HotKeyList.h"
#include "toolkit/Application.h"
#include "ui/TLmrDefForm.h"

LmrDisplayer::LmrDisplayer(Lumaro* owner)
    : owner_(owner), workingList_(std::make_unique<HotKeyList>()),
      form_(&tk::Application::instance().createForm<TLmrDefForm>()) {
    form_->setDisplayer(this);
}

LmrDisplayer::~LmrDisplayer() {
    form_->close();
    tk::Application::instance().destroyForm(*form_);
}

// The copy is made before the old list goes: a copy that fails leaves the
// working list as it was.
void LmrDisplayer::setHotKeyList(const HotKeyList* list) {
    workingList_ = std::make_unique<HotKeyList>(list);
    showFirstPage();
}

void LmrDisplayer::showFirstPage() {
    form_->setPage(false, false, false);
    showPage();
}

std::unique_ptr<HotKeyList> LmrDisplayer::copyHotKeyList() const {
    return std::make_unique<HotKeyList>(workingList_.get());
}

void LmrDisplayer::show() {
    form_->bringToFront();
}

void LmrDisplayer::commit() {
    storePage();
    owner_->commitDefinitions();
}

// The rows go into the working list under the page they show; a launch row
// with no command removes its combination's definition.
void LmrDisplayer::storePage() {
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        workingList_->addOrReplace(form_->rowToHotKey(letter));
}

void LmrDisplayer::showPage() {
    HotKeyAccessCtrl* access = owner_ ? owner_->accessCtrl() : nullptr;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        KeyCombination combination(letter, form_->page());
        if (access)
            form_->setRowUsable(letter, access->isUsable(combination));
        HotKey empty;
        empty.setCombination(combination);
        const HotKey* key = workingList_->find(combination);
        form_->showHotKey(key ? key : &empty);
    }
}
