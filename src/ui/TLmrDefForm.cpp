#include "ui/TLmrDefForm.h"

#include "model/HotKey.h"
#include "model/QelRegistry.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
#include "ui/ResourceIds.h"
#include "ui/TLmrDefParamsForm.h"

namespace {

// A page switch sets all three page panels: only the one that changed is
// painted again.
void setPressed(tk::Panel& panel, bool pressed) {
    tk::Bevel bevel = pressed ? tk::Bevel::Lowered : tk::Bevel::Raised;
    if (panel.bevelOuter() == bevel && panel.bevelInner() == bevel)
        return;
    panel.setBevelOuter(bevel);
    panel.setBevelInner(bevel);
}

} // namespace

TLmrDefForm::TLmrDefForm()
    : Form("LmrDefForm"), Panel1("Panel1", *this), OkButton("OkButton", Panel1),
      CancelButton("CancelButton", Panel1), CombinationLabel("CombinationLabel", Panel1),
      CtrlButtonPanel("CtrlButtonPanel", Panel1), AltButtonPanel("AltButtonPanel", Panel1),
      ShiftButtonPanel("ShiftButtonPanel", Panel1) {
    layoutForm();
    for (int i = 0; i < kRows; ++i)
        layoutRow(i);
    layoutBottom();
    nameRows();
    onCreate = [this] { FormCreate(); };
}

void TLmrDefForm::layoutForm() {
    setCaption("Lumaro");
    setBorderStyle(tk::BorderStyle::Dialog);
    setPosition(tk::FormPosition::ScreenCenter);
    setClientSize(585, 448);
    setIcon(LUMARO_ICON_PROGRAM);
    Panel1.setBounds({0, 0, 585, 448});
    Panel1.setBevelOuter(tk::Bevel::Lowered);
    Panel1.setBevelInner(tk::Bevel::Raised);
    Panel1.setTabOrder(0);
}

void TLmrDefForm::layoutRow(int i) {
    char letter = static_cast<char>('A' + i);
    TLmrDefRow& made = *(rows[i] = std::make_unique<TLmrDefRow>(letter, Panel1));
    made.edit.OnDropFiles = [this, letter](TQelEdit&, const StringList& flist) {
        KeyEditDropFiles(letter, flist);
    };
    made.edit.onKeyPress = [this](char32_t& key) { KeyEditKeyPress(key); };
    made.button.onClick = [this, letter] { KeyFolderButtonClick(letter); };
}

void TLmrDefForm::layoutBottom() {
    CombinationLabel.setBounds({16, 416, 114, 12});
    CombinationLabel.setAutoSize(false);
    CombinationLabel.setCaption("HotKey Combination : ");
    int order = 26;
    int left = 130;
    for (auto [panel, caption] : {std::pair{&CtrlButtonPanel, "CTRL"},
                                  {&AltButtonPanel, "ALT"},
                                  {&ShiftButtonPanel, "SHIFT"}}) {
        panel->setBounds({left, 414, 57, 21});
        panel->setCaption(caption);
        panel->setTabOrder(order++);
        panel->setTakesFocus(true);
        panel->setAccessibleName(caption);
        setPressed(*panel, false);
        left += 58;
    }
    CtrlButtonPanel.onClick = [this] { CtrlButtonPanelClick(); };
    AltButtonPanel.onClick = [this] { AltButtonPanelClick(); };
    ShiftButtonPanel.onClick = [this] { ShiftButtonPanelClick(); };
    OkButton.setBounds({360, 416, 75, 25});
    OkButton.setCaption("OK");
    OkButton.setTabOrder(29);
    OkButton.onClick = [this] { OkButtonClick(); };
    CancelButton.setBounds({448, 416, 75, 25});
    CancelButton.setCaption("Cancel");
    CancelButton.setCancel(true);
    CancelButton.setTabOrder(30);
    CancelButton.onClick = [this] { CancelButtonClick(); };
}

// The rows hold the default record from their making: empty folder and
// parameters, a launch, shown normally.
void TLmrDefForm::FormCreate() {
    shownPage = {};
    displayer = nullptr;
    paramsForm = &tk::Application::instance().createForm<TLmrDefParamsForm>();
}

void TLmrDefForm::bringToFront() {
    setForeground();
    show();
}

void TLmrDefForm::setPage(bool ctrl, bool alt, bool shift) {
    shownPage = {ctrl, alt, shift};
    updatePagePanels();
}

void TLmrDefForm::updatePagePanels() {
    setPressed(CtrlButtonPanel, shownPage.ctrl);
    setPressed(AltButtonPanel, shownPage.alt);
    setPressed(ShiftButtonPanel, shownPage.shift);
    nameRows();
}

void TLmrDefForm::nameRows() {
    for (const auto& made : rows)
        made->nameFor(shownPage);
}

TLmrDefRow* TLmrDefForm::row(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? nullptr : rows[i].get();
}

tk::Label* TLmrDefForm::labelOf(char letter) const {
    TLmrDefRow* found = row(letter);
    return found ? &found->label : nullptr;
}

TQelEdit* TLmrDefForm::editOf(char letter) const {
    TLmrDefRow* found = row(letter);
    return found ? &found->edit : nullptr;
}

tk::GlyphButton* TLmrDefForm::buttonOf(char letter) const {
    TLmrDefRow* found = row(letter);
    return found ? &found->button : nullptr;
}

std::unique_ptr<HotKey> TLmrDefForm::rowToHotKey(char letter) const {
    TLmrDefRow* found = row(letter);
    return found ? found->toHotKey(shownPage) : nullptr;
}

void TLmrDefForm::showHotKey(const HotKey* key) {
    if (TLmrDefRow* found = key ? row(key->keyLetter()) : nullptr)
        found->show(*key);
}

void TLmrDefForm::setRowUsable(char letter, bool usable) {
    if (TLmrDefRow* found = row(letter))
        found->setUsable(usable);
}

void TLmrDefForm::setRowReadOnly(char letter, bool readOnly) {
    if (TLmrDefRow* found = row(letter))
        found->setReadOnly(readOnly);
}

void TLmrDefForm::editRow(char letter) {
    std::unique_ptr<HotKey> key = rowToHotKey(letter);
    if (key)
        runParamsDialog(key.get());
}

// A drop only proposes a launch of the first file; the dialog decides.
void TLmrDefForm::dropOnRow(char letter, const StringList& flist) {
    if (flist.empty())
        return;
    std::unique_ptr<HotKey> key = rowToHotKey(letter);
    if (!key)
        return;
    key->setCommand(flist.front());
    key->setDirectory("");
    key->setParameters("");
    key->setLaunch();
    key->setShowCmd(HotKey::kDefaultShowCmd);
    runParamsDialog(key.get());
}

void TLmrDefForm::runParamsDialog(HotKey* key) {
    if (paramsForm && paramsForm->editHotKey(key)) {
        showHotKey(key);
        OkButton.setFocus();
    }
}

// Enter never inserts anything and never presses OK: it moves to OK.
void TLmrDefForm::KeyEditKeyPress(char32_t& key) {
    if (key == tk::kCharEnter) {
        OkButton.setFocus();
        key = 0;
    }
}

void TLmrDefForm::switchPage(bool& flag) {
    if (displayer)
        displayer->storePage();
    flag = !flag;
    updatePagePanels();
    if (displayer)
        displayer->showPage();
}

void TLmrDefForm::CtrlButtonPanelClick() {
    switchPage(shownPage.ctrl);
}

void TLmrDefForm::AltButtonPanelClick() {
    switchPage(shownPage.alt);
}

void TLmrDefForm::ShiftButtonPanelClick() {
    switchPage(shownPage.shift);
}

void TLmrDefForm::OkButtonClick() {
    if (displayer)
        displayer->commit();
    hide();
}

void TLmrDefForm::CancelButtonClick() {
    hide();
}
