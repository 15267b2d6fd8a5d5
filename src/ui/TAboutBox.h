#pragma once
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

// A generic about box: a panel with an icon and four lines of text, and an
// OK button. Programs derive from it and fill the lines in.
class TAboutBox : public tk::Form {
public:
    explicit TAboutBox(std::string name);

    tk::Panel Panel1;
    tk::Image ProgramIcon;
    tk::Label ProductName;
    tk::Label Version;
    tk::Label Copyright;
    tk::Label Comments;
    tk::Button OKButton;

private:
    void layoutPanel();
    void layoutLabels();
};
