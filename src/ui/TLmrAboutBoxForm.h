#pragma once
#include "toolkit/Form.h"

class LmrAboutBox;

// The about box: product name, version and date.
class TLmrAboutBoxForm : public tk::Form {
public:
    TLmrAboutBoxForm();
    void setAboutBox(LmrAboutBox* box) { aboutBox = box; }
    LmrAboutBox* owner() const { return aboutBox; }

private:
    LmrAboutBox* aboutBox = nullptr;
};
