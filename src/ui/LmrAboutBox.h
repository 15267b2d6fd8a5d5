#pragma once

class Lumaro;
class TLmrAboutBoxForm;

// Owns the about box and shows it, modeless, on request.
class LmrAboutBox {
public:
    explicit LmrAboutBox(Lumaro* owner);
    ~LmrAboutBox();
    LmrAboutBox(const LmrAboutBox&) = delete;
    LmrAboutBox& operator=(const LmrAboutBox&) = delete;

    void show();
    TLmrAboutBoxForm* form() const { return form_; }

private:
    Lumaro* owner_;
    TLmrAboutBoxForm* form_; // the application's; closed and freed here
};
