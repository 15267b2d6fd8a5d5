#include "ui/TLmrDefRow.h"

#include "model/QelRegistry.h"
#include "toolkit/AnsiText.h"

namespace {

tk::Glyph ellipsisGlyph() {
    return tk::Glyph({"kk.kk.kk", "kk.kk.kk"}, {{'k', tk::Glyph::system(tk::SysColor::BtnText)}});
}

std::string named(const char* family, char letter) {
    return std::string(family) + letter;
}

} // namespace

const std::string TLmrDefRow::kPopupBanner = " <<< Lumaroポップアップ >>>";
const std::string TLmrDefRow::kBindBanner = " <<< Windows標準HotKeyへのバインド >>>";
const std::string TLmrDefRow::kUnknownBanner = "???";

// A to M down the left column, N to Z down the right one. Registering the
// edit for drops makes its window, and with it the whole row's: the row is
// complete by then, so that no window of it is left for the first show.
TLmrDefRow::TLmrDefRow(char letter, tk::Control& parent)
    : panel(named("KeyPanel", letter), parent), label(named("KeyLabel", letter), panel),
      edit(named("KeyEdit", letter), panel), button(named("KeyFolderButton", letter), panel),
      letter_(letter) {
    int i = letter - 'A';
    panel.setBounds({i < 13 ? 8 : 296, 4 + 31 * (i % 13), 281, 29});
    panel.setBevelOuter(tk::Bevel::Raised);
    panel.setBevelInner(tk::Bevel::None);
    panel.setTabOrder(i);
    label.setBounds({8, 8, 0, 12});
    label.setAutoSize(true);
    label.setCaption(std::string(1, letter));
    edit.setBounds({20, 4, 230, 20});
    edit.setTabOrder(0);
    edit.setMaxLength(QelRegistry::kMaxTextUnits);
    button.setBounds({256, 4, 21, 21});
    button.setTabOrder(1);
    button.setGlyph(ellipsisGlyph());
    held_.setKeyLetter(letter);
    edit.setDropAccept(true);
}

std::unique_ptr<HotKey> TLmrDefRow::toHotKey(const KeyCombination::Modifiers& page) const {
    auto key = std::make_unique<HotKey>();
    key->setCombination({letter_, page});
    key->setExtra(held_.extra());
    if (HotKey::isLaunchExtra(held_.extra())) {
        key->setCommand(edit.ansiText());
        key->setDirectory(held_.directory());
        key->setParameters(held_.parameters());
        key->setShowCmd(held_.showCmd());
    }
    return key;
}

void TLmrDefRow::show(const HotKey& key) {
    held_.setExtra(key.extra());
    if (key.isLaunch())
        showCommand(key);
    else
        showBanner(key.isPopup() ? kPopupBanner : key.isBind() ? kBindBanner : kUnknownBanner);
    updateLook();
}

void TLmrDefRow::showCommand(const HotKey& key) {
    edit.setAnsiText(key.command());
    edit.setHint(tk::ansiToUtf8(key.command()));
    held_.setDirectory(key.directory());
    held_.setParameters(key.parameters());
    held_.setShowCmd(key.showCmd());
}

void TLmrDefRow::showBanner(const std::string& banner) {
    edit.setText(banner);
    edit.setHint(banner);
    held_.setDirectory("");
    held_.setParameters("");
    held_.setShowCmd(HotKey::kDefaultShowCmd);
}

void TLmrDefRow::setUsable(bool usable) {
    usable_ = usable;
    updateLook();
}

// The pop-up key's and a binding's banners are never typed over: only the
// dialog changes them.
void TLmrDefRow::updateLook() {
    edit.setEnabled(usable_);
    button.setEnabled(usable_);
    label.setEnabled(usable_);
    setReadOnly(!usable_ || held_.isPopup() || held_.isBind());
}

void TLmrDefRow::setReadOnly(bool readOnly) {
    edit.setReadOnly(readOnly);
    edit.setColor(readOnly ? tk::SysColor::BtnFace : tk::SysColor::Window);
    edit.setTabStop(!readOnly);
}

// A sighted user reads the combination from the letter and the pressed
// toggles; a screen reader hears it as the name of the edit and the button,
// written as the parameters dialog's title writes it.
void TLmrDefRow::nameFor(const KeyCombination::Modifiers& page) {
    std::string name = tk::ansiToUtf8(KeyCombination(letter_, page).text());
    edit.setAccessibleName(name);
    button.setAccessibleName(name);
}
