#include "ui/TLmrDefForm.h"

#include "model/HotKey.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Application.h"
#include "ui/LmrDisplayer.h"
#include "ui/ResourceIds.h"
#include "ui/TLmrDefParamsForm.h"

namespace {

tk::Glyph ellipsisGlyph() {
    return tk::Glyph({"kk.kk.kk", "kk.kk.kk"}, {{'k', tk::Glyph::system(tk::SysColor::BtnText)}});
}

std::string letterName(const char* family, int index) {
    return std::string(family) + static_cast<char>('A' + index);
}

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

const std::string TLmrDefForm::kPopupBanner = " <<< Lumaroポップアップ >>>";
const std::string TLmrDefForm::kBindBanner = " <<< Windows標準HotKeyへのバインド >>>";
const std::string TLmrDefForm::kUnknownBanner = "???";

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

// A to M down the left column, N to Z down the right one.
void TLmrDefForm::layoutRow(int i) {
    char letter = static_cast<char>('A' + i);
    auto& panel = KeyPanel[i] = std::make_unique<tk::Panel>(letterName("KeyPanel", i), Panel1);
    panel->setBounds({i < 13 ? 8 : 296, 4 + 31 * (i % 13), 281, 29});
    panel->setBevelOuter(tk::Bevel::Raised);
    panel->setBevelInner(tk::Bevel::None);
    panel->setTabOrder(i);

    auto& label = KeyLabel[i] = std::make_unique<tk::Label>(letterName("KeyLabel", i), *panel);
    label->setBounds({8, 8, 0, 12});
    label->setAutoSize(true);
    label->setCaption(std::string(1, letter));

    auto& edit = KeyEdit[i] = std::make_unique<TQelEdit>(letterName("KeyEdit", i), *panel);
    edit->setBounds({20, 4, 230, 20});
    edit->setTabOrder(0);
    edit->OnDropFiles = [this, letter](TQelEdit&, const StringList& flist) {
        KeyEditDropFiles(letter, flist);
    };
    edit->onKeyPress = [this](char32_t& key) { KeyEditKeyPress(key); };

    auto& button = KeyFolderButton[i] =
        std::make_unique<tk::GlyphButton>(letterName("KeyFolderButton", i), *panel);
    button->setBounds({256, 4, 21, 21});
    button->setTabOrder(1);
    button->setGlyph(ellipsisGlyph());
    button->onClick = [this, letter] { KeyFolderButtonClick(letter); };
    // Registering makes the edit's window, and with it the whole row's: the
    // row is complete by then, so that no window of it is left for the
    // first show to make.
    edit->setDropAccept(true);
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

void TLmrDefForm::FormCreate() {
    pageCtrl = pageAlt = pageShift = false;
    displayer = nullptr;
    for (int i = 0; i < kRows; ++i) {
        rowDirectory[i].clear();
        rowParameters[i].clear();
        rowExtra[i] = 0;
        rowShowCmd[i] = HotKey::kDefaultShowCmd;
    }
    paramsForm = &tk::Application::instance().createForm<TLmrDefParamsForm>();
}

void TLmrDefForm::bringToFront() {
    setForeground();
    show();
}

void TLmrDefForm::setPage(bool ctrl, bool alt, bool shift) {
    pageCtrl = ctrl;
    pageAlt = alt;
    pageShift = shift;
    updatePagePanels();
}

void TLmrDefForm::updatePagePanels() {
    setPressed(CtrlButtonPanel, pageCtrl);
    setPressed(AltButtonPanel, pageAlt);
    setPressed(ShiftButtonPanel, pageShift);
    nameRows();
}

// A sighted user reads a row's combination from its letter and the pressed
// toggles; a screen reader hears it as the name of the row's edit and button,
// written as the parameters dialog's title writes it.
void TLmrDefForm::nameRows() {
    for (int i = 0; i < kRows; ++i) {
        std::string name = TLmrDefParamsForm::combinationText(static_cast<char>('A' + i), pageCtrl,
                                                              pageAlt, pageShift);
        KeyEdit[i]->setAccessibleName(name);
        KeyFolderButton[i]->setAccessibleName(name);
    }
}

char TLmrDefForm::normalizeLetter(char c) {
    if (c >= 'A' && c <= 'Z')
        return c;
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return 0;
}

int TLmrDefForm::rowIndex(char c) {
    char letter = normalizeLetter(c);
    return letter ? letter - 'A' : -1;
}

tk::Label* TLmrDefForm::labelOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? nullptr : KeyLabel[i].get();
}

TQelEdit* TLmrDefForm::editOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? nullptr : KeyEdit[i].get();
}

tk::GlyphButton* TLmrDefForm::buttonOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? nullptr : KeyFolderButton[i].get();
}

std::string TLmrDefForm::rowCommand(char letter) const {
    TQelEdit* edit = editOf(letter);
    return edit ? edit->ansiText() : std::string();
}

void TLmrDefForm::setRowCommand(char letter, const std::string& command) {
    if (TQelEdit* edit = editOf(letter)) {
        edit->setAnsiText(command);
        edit->setHint(tk::ansiToUtf8(command));
    }
}

std::string TLmrDefForm::rowDirectoryOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? std::string() : rowDirectory[i];
}

void TLmrDefForm::setRowDirectory(char letter, const std::string& directory) {
    if (int i = rowIndex(letter); i >= 0)
        rowDirectory[i] = directory;
}

std::string TLmrDefForm::rowParametersOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? std::string() : rowParameters[i];
}

void TLmrDefForm::setRowParameters(char letter, const std::string& parameters) {
    if (int i = rowIndex(letter); i >= 0)
        rowParameters[i] = parameters;
}

int TLmrDefForm::rowExtraOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? 0 : rowExtra[i];
}

void TLmrDefForm::setRowExtra(char letter, int extra) {
    if (int i = rowIndex(letter); i >= 0)
        rowExtra[i] = extra;
}

int TLmrDefForm::rowShowCmdOf(char letter) const {
    int i = rowIndex(letter);
    return i < 0 ? HotKey::kDefaultShowCmd : rowShowCmd[i];
}

void TLmrDefForm::setRowShowCmd(char letter, int showCmd) {
    if (int i = rowIndex(letter); i >= 0)
        rowShowCmd[i] = showCmd;
}

HotKey* TLmrDefForm::rowToHotKey(char letter) const {
    char l = normalizeLetter(letter);
    if (rowIndex(l) < 0)
        return nullptr;
    auto* key = new HotKey();
    key->setKeyLetter(l);
    key->setCtrl(pageCtrl);
    key->setAlt(pageAlt);
    key->setShift(pageShift);
    int code = rowExtraOf(l);
    key->setExtra(code);
    if (HotKey::isLaunchExtra(code)) {
        key->setCommand(rowCommand(l));
        key->setDirectory(rowDirectoryOf(l));
        key->setParameters(rowParametersOf(l));
        key->setShowCmd(rowShowCmdOf(l));
    }
    return key;
}

// Whether a row is usable is read from its label: the usable states are set
// for the whole page before any row is filled.
void TLmrDefForm::showHotKey(const HotKey* key) {
    if (!key)
        return;
    char l = key->keyLetter();
    if (rowIndex(l) < 0)
        return;
    bool usable = labelOf(l)->enabled();
    setRowExtra(l, key->extra());
    if (key->isLaunch()) {
        setRowCommand(l, key->command());
        setRowDirectory(l, key->directory());
        setRowParameters(l, key->parameters());
        setRowShowCmd(l, key->showCmd());
        setRowReadOnly(l, !usable);
    } else if (key->isPopup()) {
        showBanner(l, kPopupBanner, true);
    } else if (key->isBind()) {
        showBanner(l, kBindBanner, true);
    } else {
        showBanner(l, kUnknownBanner, !usable);
    }
}

void TLmrDefForm::showBanner(char letter, const std::string& banner, bool readOnly) {
    TQelEdit* edit = editOf(letter);
    edit->setText(banner);
    edit->setHint(banner);
    setRowDirectory(letter, "");
    setRowParameters(letter, "");
    setRowShowCmd(letter, HotKey::kDefaultShowCmd);
    setRowReadOnly(letter, readOnly);
}

void TLmrDefForm::setRowUsable(char letter, bool usable) {
    if (rowIndex(letter) < 0)
        return;
    editOf(letter)->setEnabled(usable);
    buttonOf(letter)->setEnabled(usable);
    labelOf(letter)->setEnabled(usable);
    setRowReadOnly(letter, !usable);
}

void TLmrDefForm::setRowReadOnly(char letter, bool readOnly) {
    TQelEdit* edit = editOf(letter);
    if (!edit)
        return;
    edit->setReadOnly(readOnly);
    edit->setColor(readOnly ? tk::SysColor::BtnFace : tk::SysColor::Window);
    edit->setTabStop(!readOnly);
}

void TLmrDefForm::editRow(char letter) {
    std::unique_ptr<HotKey> key(rowToHotKey(letter));
    if (key)
        runParamsDialog(key.get());
}

// A drop only proposes a launch of the first file; the dialog decides.
void TLmrDefForm::dropOnRow(char letter, const StringList& flist) {
    if (flist.empty())
        return;
    std::unique_ptr<HotKey> key(rowToHotKey(letter));
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
    switchPage(pageCtrl);
}

void TLmrDefForm::AltButtonPanelClick() {
    switchPage(pageAlt);
}

void TLmrDefForm::ShiftButtonPanelClick() {
    switchPage(pageShift);
}

void TLmrDefForm::OkButtonClick() {
    if (displayer)
        displayer->commit();
    hide();
}

void TLmrDefForm::CancelButtonClick() {
    hide();
}
