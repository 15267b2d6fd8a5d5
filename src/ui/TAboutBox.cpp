#include "ui/TAboutBox.h"

TAboutBox::TAboutBox(std::string name)
    : Form(std::move(name)), Panel1("Panel1", *this), ProgramIcon("ProgramIcon", Panel1),
      ProductName("ProductName", Panel1), Version("Version", Panel1),
      Copyright("Copyright", Panel1), Comments("Comments", Panel1), OKButton("OKButton", *this) {
    setBorderStyle(tk::BorderStyle::Dialog);
    setPosition(tk::FormPosition::ScreenCenter);
    setClientSize(314, 161);
    layoutPanel();
    layoutLabels();
    OKButton.setBounds({119, 124, 75, 25});
    OKButton.setCaption("OK");
    OKButton.setDefault(true);
    OKButton.setCancel(true);
    OKButton.setTabOrder(1);
}

void TAboutBox::layoutPanel() {
    Panel1.setBounds({8, 8, 297, 105});
    Panel1.setBevelInner(tk::Bevel::Raised);
    Panel1.setBevelOuter(tk::Bevel::Lowered);
    Panel1.setTabOrder(0);
    ProgramIcon.setBounds({32, 16, 32, 32});
}

void TAboutBox::layoutLabels() {
    ProductName.setBounds({104, 16, 0, 12});
    Version.setBounds({120, 32, 0, 12});
    Copyright.setBounds({32, 64, 238, 12});
    Copyright.setAutoSize(false);
    Copyright.setAlignment(tk::Alignment::Center);
    Comments.setBounds({2, 79, 293, 24});
    Comments.setAutoSize(false);
    Comments.setAlignment(tk::Alignment::Center);
}
