#include "ui/TLmrAboutBoxForm.h"

#include "ui/ResourceIds.h"

TLmrAboutBoxForm::TLmrAboutBoxForm() : Form("LmrAboutBoxForm") {
    setCaption("バージョン情報");
    setBounds({0, 0, 314, 161});
    setIcon(LUMARO_ICON_PROGRAM);
}
