#include "ui/TLmrAboutBoxForm.h"

#include "ui/ResourceIds.h"

TLmrAboutBoxForm::TLmrAboutBoxForm() : TAboutBox("LmrAboutBoxForm") {
    setCaption("バージョン情報");
    setIcon(LUMARO_ICON_PROGRAM);
    ProgramIcon.setIconResource(LUMARO_ICON_PROGRAM);
    ProductName.setCaption("Lumaro");
    Version.setCaption("Version " LUMARO_VERSION_TEXT);
    Copyright.setCaption("Windowsキーのホットキー ユーティリティ");
    Comments.setCaption("2004/06/08");
    OKButton.onClick = [this] { OKButtonClick(); };
}

// Hidden, not destroyed: "About ..." shows the same box again.
void TLmrAboutBoxForm::OKButtonClick() {
    close();
}
