#pragma once
#include "ui/TAboutBox.h"

class LmrAboutBox;

// The about box: product name, version and date.
class TLmrAboutBoxForm : public TAboutBox {
public:
    TLmrAboutBoxForm();
    void setAboutBox(LmrAboutBox* box) { aboutBox = box; }
    LmrAboutBox* owner() const { return aboutBox; }

    void OKButtonClick();

private:
    LmrAboutBox* aboutBox = nullptr;
};
