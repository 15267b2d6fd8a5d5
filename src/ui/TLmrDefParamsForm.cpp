#include "ui/TLmrDefParamsForm.h"

#include "model/HotKey.h"
#include "model/QelRegistry.h"
#include "platform/ShellApi.h"
#include "toolkit/AnsiText.h"
#include "ui/ResourceIds.h"

#include <algorithm>
#include <climits>
#include <initializer_list>

namespace {

constexpr int kOtherBindItem = 10;

tk::Glyph openFolderGlyph() {
    return tk::Glyph(
        {"................", "................", "..kkkk..........", ".kwwwwk.........",
         ".kwyyyykkkkkkk..", ".kwyyyyyyyyyyk..", ".kwyyyyyyyyyyk..", ".kwyyyyyyyyyyk..",
         ".kwyykkkkkkkkkkk", ".kwykddddddddddk", ".kwkddddddddddk.", ".kkddddddddddk..",
         ".kddddddddddk...", ".kkkkkkkkkkk....", "................", "................"},
        {{'k', tk::Glyph::system(tk::SysColor::BtnText)},
         {'w', 0xFFF8C0},
         {'y', 0xF0D060},
         {'d', 0xE0B040}});
}

// Leading blanks, an optional sign, then digits up to the first other
// character; 0 without digits. Saturates instead of overflowing.
int decimalPrefix(const std::string& text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos)
        return 0;
    bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+')
        ++at;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min<long long>(value * 10 + (text[at] - '0'), INT_MAX + 1LL);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void setUsable(tk::Edit& edit, bool usable) {
    edit.setEnabled(usable);
    edit.setReadOnly(!usable);
    edit.setColor(usable ? tk::SysColor::Window : tk::SysColor::BtnFace);
}

} // namespace

TLmrDefParamsForm::TLmrDefParamsForm()
    : Form("LmrDefParamsForm"), TitlePanel("TitlePanel", *this),
      TitleLabel("TitleLabel", TitlePanel), CombinationLabel("CombinationLabel", TitlePanel),
      BasePanel("BasePanel", *this), ExtraRadioButton1("ExtraRadioButton1", BasePanel),
      LmrBasePanel("LmrBasePanel", BasePanel), ExecCmdLabel("ExecCmdLabel", LmrBasePanel),
      ExecCmdEdit("ExecCmdEdit", LmrBasePanel), CmdSpeedButton("CmdSpeedButton", LmrBasePanel),
      ExecDirLabel("ExecDirLabel", LmrBasePanel), ExecDirEdit("ExecDirEdit", LmrBasePanel),
      ExecParamLabel("ExecParamLabel", LmrBasePanel), ExecParamEdit("ExecParamEdit", LmrBasePanel),
      WindowSizeRadioGroup("WindowSizeRadioGroup", LmrBasePanel),
      ExtraRadioButton2("ExtraRadioButton2", BasePanel),
      ExtraRadioButton3("ExtraRadioButton3", BasePanel),
      BindRadioGroup("BindRadioGroup", BasePanel), WinBindEdit("WinBindEdit", BasePanel),
      WinBindEditUpDown("WinBindEditUpDown", BasePanel), OKButton("OKButton", BasePanel),
      CancelButton("CancelButton", BasePanel) {
    layoutForm();
    layoutTitle();
    layoutBase();
    layoutLaunch();
    layoutLaunchLabels();
    layoutBind();
    layoutButtons();
    wireEvents();
    ExecCmdEdit.setDropAccept(true);
    updateControlStates();
}

void TLmrDefParamsForm::layoutForm() {
    setCaption("Lumaro");
    setBorderStyle(tk::BorderStyle::Dialog);
    setStayOnTop(true);
    setPosition(tk::FormPosition::ScreenCenter);
    setClientSize(453, 375);
    setIcon(LUMARO_ICON_PROGRAM);
}

void TLmrDefParamsForm::layoutTitle() {
    TitlePanel.setBounds({0, 0, 453, 25});
    TitlePanel.setBevelOuter(tk::Bevel::None);
    TitlePanel.setTabOrder(0);
    TitleLabel.setBounds({8, 6, 118, 12});
    TitleLabel.setCaption("HotKey Combination :  ");
    CombinationLabel.setBounds({128, 6, 225, 12});
    CombinationLabel.setAutoSize(false);
    CombinationLabel.setCaption("[Windows] + [CTRL] + [ALT] + [SHIFT] + A");
}

void TLmrDefParamsForm::layoutBase() {
    BasePanel.setBounds({0, 25, 453, 350});
    BasePanel.setBevelOuter(tk::Bevel::Lowered);
    BasePanel.setBevelInner(tk::Bevel::Raised);
    BasePanel.setTabOrder(1);
    ExtraRadioButton1.setBounds({8, 8, 225, 17});
    ExtraRadioButton1.setCaption("Lumaroで定義する");
    ExtraRadioButton1.setTabOrder(2);
    ExtraRadioButton1.setChecked(true);
    ExtraRadioButton2.setBounds({8, 152, 281, 17});
    ExtraRadioButton2.setCaption("Lumaroポップアップキーにする");
    ExtraRadioButton2.setTabOrder(3);
    ExtraRadioButton3.setBounds({8, 178, 233, 17});
    ExtraRadioButton3.setCaption("Windows標準のHotKeyへバインドする");
    ExtraRadioButton3.setTabOrder(4);
    LmrBasePanel.setBounds({16, 26, 425, 115});
    LmrBasePanel.setBevelOuter(tk::Bevel::Lowered);
    LmrBasePanel.setBevelInner(tk::Bevel::Raised);
    LmrBasePanel.setTabOrder(5);
}

void TLmrDefParamsForm::layoutLaunch() {
    ExecCmdEdit.setBounds({96, 6, 297, 20});
    ExecCmdEdit.setTabOrder(0);
    CmdSpeedButton.setBounds({396, 6, 21, 21});
    CmdSpeedButton.setGlyph(openFolderGlyph());
    CmdSpeedButton.setTabOrder(1);
    ExecDirEdit.setBounds({96, 29, 297, 20});
    ExecDirEdit.setTabOrder(2);
    ExecParamEdit.setBounds({96, 52, 297, 20});
    ExecParamEdit.setTabOrder(3);
    // What the load would refuse cannot be typed in to be saved.
    for (tk::Edit* edit : {static_cast<tk::Edit*>(&ExecCmdEdit), &ExecDirEdit, &ExecParamEdit})
        edit->setMaxLength(QelRegistry::kMaxTextUnits);
    WindowSizeRadioGroup.setBounds({32, 76, 361, 33});
    WindowSizeRadioGroup.setCaption(" 実行時の大きさ ");
    WindowSizeRadioGroup.setColumns(5);
    WindowSizeRadioGroup.setItems({"通常", "最小化", "最大化"});
    WindowSizeRadioGroup.setItemIndex(0);
    WindowSizeRadioGroup.setTabOrder(4);
}

// Sized to their text and right-aligned, so that their colons line up before
// the edits in whatever font the system has.
void TLmrDefParamsForm::layoutLaunchLabels() {
    struct Row {
        tk::Label& label;
        tk::Rect bounds;
        const char* caption;
    };
    for (const Row& row : {Row{ExecCmdLabel, {21, 10, 69, 12}, "起動コマンド :"},
                           Row{ExecDirLabel, {17, 33, 73, 12}, "作業フォルダ :"},
                           Row{ExecParamLabel, {8, 56, 82, 12}, "起動パラメータ :"}}) {
        row.label.setBounds(row.bounds);
        row.label.setAlignment(tk::Alignment::Right);
        row.label.setCaption(row.caption);
    }
    nameForScreenReaders();
}

// The labels are painted by us and the glyph button has no text: a screen
// reader hears what a sighted user reads beside each control.
void TLmrDefParamsForm::nameForScreenReaders() {
    ExecCmdEdit.setAccessibleName("起動コマンド");
    ExecDirEdit.setAccessibleName("作業フォルダ");
    ExecParamEdit.setAccessibleName("起動パラメータ");
    CmdSpeedButton.setAccessibleName("起動コマンドのファイルを選ぶ");
    WinBindEdit.setAccessibleName("その他");
    WindowSizeRadioGroup.setAccessibleName("実行時の大きさ");
}

void TLmrDefParamsForm::layoutBind() {
    BindRadioGroup.setBounds({16, 192, 425, 121});
    BindRadioGroup.setColumns(2);
    BindRadioGroup.setItems({"ファイル名を指定して実行", "すべてのウィンドウを最小化",
                             "最小化したウィンドウのサイズを戻す", "Windowsのヘルプを表示",
                             "エクスプローラの起動", "ファイルやフォルダの検索",
                             "コンピュータの検索", "タスクバー巡回", "タスクバー逆巡回",
                             "システムのプロパティを開く", "その他"});
    BindRadioGroup.setItemIndex(0);
    BindRadioGroup.setTabOrder(6);
    WinBindEdit.setBounds({296, 274, 33, 20});
    WinBindEdit.setReadOnly(true);
    WinBindEdit.setTabOrder(7);
    WinBindEditUpDown.setBounds({329, 274, 16, 20});
    WinBindEditUpDown.setRange(kFirstOtherBind, kLastBind);
    WinBindEditUpDown.setPosition(kFirstOtherBind);
    WinBindEditUpDown.setAssociate(&WinBindEdit);
    WinBindEditUpDown.setTabOrder(8);
}

void TLmrDefParamsForm::layoutButtons() {
    OKButton.setBounds({144, 318, 75, 25});
    OKButton.setCaption("OK");
    OKButton.setTabOrder(0);
    CancelButton.setBounds({232, 318, 75, 25});
    CancelButton.setCaption("Cancel");
    CancelButton.setCancel(true);
    CancelButton.setTabOrder(1);
}

void TLmrDefParamsForm::wireEvents() {
    onShow = [this] { FormShow(); };
    ExtraRadioButton1.onClick = [this] { ExtraRadioButton1Click(); };
    ExtraRadioButton2.onClick = [this] { ExtraRadioButton2Click(); };
    ExtraRadioButton3.onClick = [this] { ExtraRadioButton3Click(); };
    BindRadioGroup.onClick = [this] { BindRadioGroupClick(); };
    OKButton.onClick = [this] { OKButtonClick(); };
    CancelButton.onClick = [this] { CancelButtonClick(); };
    CmdSpeedButton.onClick = [this] { CmdSpeedButtonClick(); };
    ExecCmdEdit.onKeyPress = [this](char32_t& key) { ExecCmdEditKeyPress(key); };
    ExecDirEdit.onKeyPress = [this](char32_t& key) { ExecDirEditKeyPress(key); };
    ExecParamEdit.onKeyPress = [this](char32_t& key) { ExecParamEditKeyPress(key); };
    ExecCmdEdit.OnDropFiles = [this](TQelEdit& sender, const TQelEdit::StringList& flist) {
        ExecCmdEditDropFiles(sender, flist);
    };
}

// One record at a time: a drop or a click that reaches the definition window
// while the dialog is up must not load another record into it.
bool TLmrDefParamsForm::editHotKey(HotKey* hotKey) {
    if (!hotKey || modal() || visible())
        return false;
    loadFrom(*hotKey);
    if (showModal() != tk::ModalResult::Ok)
        return false;
    storeTo(*hotKey);
    return true;
}

void TLmrDefParamsForm::loadFrom(const HotKey& hotKey) {
    combination = hotKey.combination();
    ExecCmdEdit.setAnsiText(hotKey.command());
    ExecDirEdit.setAnsiText(hotKey.directory());
    ExecParamEdit.setAnsiText(hotKey.parameters());
    selectAction(hotKey.extra());
    selectWindowSize(hotKey.showCmd());
    showCombination();
}

void TLmrDefParamsForm::selectAction(int extra) {
    BindRadioGroup.setItemIndex(0);
    if (HotKey::isLaunchExtra(extra)) {
        ExtraRadioButton1.setChecked(true);
    } else if (HotKey::isPopupExtra(extra)) {
        ExtraRadioButton2.setChecked(true);
    } else {
        ExtraRadioButton3.setChecked(true);
        selectBind(HotKey::bindIdOfExtra(extra));
    }
    updateControlStates();
}

void TLmrDefParamsForm::selectBind(int identifier) {
    if (identifier < kFirstOtherBind) {
        BindRadioGroup.setItemIndex(identifier);
        return;
    }
    BindRadioGroup.setItemIndex(kOtherBindItem);
    WinBindEditUpDown.setPosition(identifier);
}

void TLmrDefParamsForm::selectWindowSize(int showCmd) {
    if (showCmd == platform::kSwMinimize)
        WindowSizeRadioGroup.setItemIndex(1);
    else if (showCmd == platform::kSwShowMaximized)
        WindowSizeRadioGroup.setItemIndex(2);
    else
        WindowSizeRadioGroup.setItemIndex(0);
}

int TLmrDefParamsForm::windowSizeShowCmd() const {
    switch (WindowSizeRadioGroup.itemIndex()) {
    case 1:
        return platform::kSwMinimize;
    case 2:
        return platform::kSwShowMaximized;
    default:
        return platform::kSwShow;
    }
}

void TLmrDefParamsForm::showCombination() {
    CombinationLabel.setCaption(tk::ansiToUtf8(combination.text()));
}

void TLmrDefParamsForm::updateControlStates() {
    bool launch = ExtraRadioButton1.checked();
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             &LmrBasePanel, &ExecCmdLabel, &ExecDirLabel, &ExecParamLabel, &CmdSpeedButton})
        control->setEnabled(launch);
    for (tk::Edit* edit :
         std::initializer_list<tk::Edit*>{&ExecCmdEdit, &ExecDirEdit, &ExecParamEdit})
        setUsable(*edit, launch);
    bool bind = ExtraRadioButton3.checked();
    bool other = bind && BindRadioGroup.itemIndex() == kOtherBindItem;
    BindRadioGroup.setEnabled(bind);
    WinBindEdit.setEnabled(other);
    WinBindEdit.setColor(other ? tk::SysColor::Window : tk::SysColor::BtnFace);
    WinBindEditUpDown.setEnabled(other);
}

int TLmrDefParamsForm::bindIdentifier() const {
    int index = BindRadioGroup.itemIndex();
    int identifier = index >= kOtherBindItem ? decimalPrefix(WinBindEdit.text()) : index;
    return std::clamp(identifier, 0, kLastBind);
}

int TLmrDefParamsForm::actionCode() const {
    HotKey code;
    if (ExtraRadioButton1.checked())
        code.setLaunch();
    else if (ExtraRadioButton2.checked())
        code.setPopup();
    else
        code.setBind(bindIdentifier());
    return code.extra();
}

void TLmrDefParamsForm::storeTo(HotKey& hotKey) const {
    hotKey.setCombination(combination);
    bool launch = ExtraRadioButton1.checked();
    std::string command = launch ? ExecCmdEdit.ansiText() : std::string();
    bool withCommand = !command.empty();
    hotKey.setCommand(command);
    hotKey.setDirectory(withCommand ? ExecDirEdit.ansiText() : std::string());
    hotKey.setParameters(withCommand ? ExecParamEdit.ansiText() : std::string());
    hotKey.setExtra(actionCode());
    hotKey.setShowCmd(windowSizeShowCmd());
}

void TLmrDefParamsForm::FormShow() {
    OKButton.setFocus();
}

void TLmrDefParamsForm::ExtraRadioButton1Click() {
    updateControlStates();
}

void TLmrDefParamsForm::ExtraRadioButton2Click() {
    updateControlStates();
}

void TLmrDefParamsForm::ExtraRadioButton3Click() {
    updateControlStates();
}

void TLmrDefParamsForm::BindRadioGroupClick() {
    updateControlStates();
}

void TLmrDefParamsForm::OKButtonClick() {
    setModalResult(tk::ModalResult::Ok);
}

void TLmrDefParamsForm::CancelButtonClick() {
    setModalResult(tk::ModalResult::Cancel);
}

void TLmrDefParamsForm::CmdSpeedButtonClick() {
    if (OpenDialog.execute(handle()))
        ExecCmdEdit.setAnsiText(OpenDialog.fileName());
}

void TLmrDefParamsForm::ExecCmdEditKeyPress(char32_t& key) {
    if (key != tk::kCharEnter)
        return;
    key = 0;
    ExecDirEdit.setFocus();
}

void TLmrDefParamsForm::ExecDirEditKeyPress(char32_t& key) {
    if (key != tk::kCharEnter)
        return;
    key = 0;
    ExecParamEdit.setFocus();
}

void TLmrDefParamsForm::ExecParamEditKeyPress(char32_t& key) {
    if (key != tk::kCharEnter)
        return;
    key = 0;
    OKButton.setFocus();
}

void TLmrDefParamsForm::ExecCmdEditDropFiles(TQelEdit&, const TQelEdit::StringList& flist) {
    if (!flist.empty())
        ExecCmdEdit.setAnsiText(flist.front());
}
