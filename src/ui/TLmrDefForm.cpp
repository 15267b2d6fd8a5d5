#include "ui/TLmrDefForm.h"

#include "platform/ShellApi.h"
#include "ui/ResourceIds.h"

TLmrDefForm::TLmrDefForm() : Form("LmrDefForm") {
    setCaption("Lumaro");
    setBounds({0, 0, 585, 448});
    setIcon(LUMARO_ICON_PROGRAM);
    onCreate = [this] { FormCreate(); };
}

void TLmrDefForm::FormCreate() {
    pageCtrl_ = pageAlt_ = pageShift_ = false;
    displayer = nullptr;
}

void TLmrDefForm::bringToFront() {
    platform::shellApi().SetForegroundWindow(handle());
    show();
}

void TLmrDefForm::setPage(bool ctrl, bool alt, bool shift) {
    pageCtrl_ = ctrl;
    pageAlt_ = alt;
    pageShift_ = shift;
}
