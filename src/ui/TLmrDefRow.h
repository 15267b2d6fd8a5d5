#pragma once
#include "components/TQelEdit.h"
#include "model/HotKey.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

#include <memory>
#include <string>

// One letter's row of the definition window: its panel with the letter, the
// edit holding the command and the ellipsis button, laid out in its column;
// the rest of the definition it shows (folder, parameters, action code,
// show command) in a record of its own; whether it is usable; and
// the name a screen reader hears for it.
class TLmrDefRow {
public:
    TLmrDefRow(char letter, tk::Control& parent);

    char letter() const { return letter_; }
    tk::Panel panel;
    tk::Label label;
    TQelEdit edit;
    tk::GlyphButton button;

    // The record of this row on the page with those modifiers: the command
    // is the edit's text, and only a launch has one.
    std::unique_ptr<HotKey> toHotKey(const KeyCombination::Modifiers& page) const;
    // Shows the record: its command, or the banner of its kind.
    void show(const HotKey& key);

    // Whether the combination can be used. The look follows it and the kind
    // of definition shown, whichever is set first.
    bool usable() const { return usable_; }
    void setUsable(bool usable);
    void setReadOnly(bool readOnly);
    // Named by its combination on that page.
    void nameFor(const KeyCombination::Modifiers& page);

    static const std::string kPopupBanner;
    static const std::string kBindBanner;
    static const std::string kUnknownBanner;

private:
    void showCommand(const HotKey& key);
    void showBanner(const std::string& banner);
    void updateLook();

    char letter_;
    bool usable_ = true;
    HotKey held_; // all but the command, which is the edit's
};
