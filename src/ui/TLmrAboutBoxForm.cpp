#include "ui/TLmrAboutBoxForm.h"

#include "ui/ResourceIds.h"

TLmrAboutBoxForm::TLmrAboutBoxForm() : TAboutBox("LmrAboutBoxForm") {
    setCaption("バージョン情報");
    setIcon(LUMARO_ICON_PROGRAM);
    ProgramIcon.setIconResource(LUMARO_ICON_PROGRAM);
    ProductName.setCaption(LUMARO_PRODUCT_NAME);
    Version.setCaption("Version " LUMARO_VERSION_TEXT);
    Copyright.setCaption(LUMARO_DESCRIPTION);
    Comments.setCaption(LUMARO_RELEASE_DATE);
    OKButton.onClick = [this] { OKButtonClick(); };
}

// Hidden, not destroyed: "About ..." shows the same box again.
void TLmrAboutBoxForm::OKButtonClick() {
    close();
}
