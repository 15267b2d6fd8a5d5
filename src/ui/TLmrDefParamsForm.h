#pragma once
#include "components/TQelEdit.h"
#include "model/KeyCombination.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"

#include <string>

class HotKey;

// The modal dialog that edits everything about one hotkey but its
// combination, which it shows in its title line and writes back unchanged.
class TLmrDefParamsForm : public tk::Form {
public:
    TLmrDefParamsForm();

    // Shows the dialog on the record; on OK writes it back and returns true.
    // Any other way out leaves the record untouched.
    bool editHotKey(HotKey* hotKey);
    void loadFrom(const HotKey& hotKey);
    void storeTo(HotKey& hotKey) const;
    int actionCode() const;
    void updateControlStates();
    void showCombination();

    // The bind identifiers the record holds; the spin control's range ends
    // at the largest.
    static constexpr int kFirstOtherBind = 10;
    static constexpr int kLastBind = 31;

    tk::Panel TitlePanel;
    tk::Label TitleLabel;
    tk::Label CombinationLabel;
    tk::Panel BasePanel;
    tk::RadioButton ExtraRadioButton1;
    tk::Panel LmrBasePanel;
    tk::Label ExecCmdLabel;
    TQelEdit ExecCmdEdit;
    tk::GlyphButton CmdSpeedButton;
    tk::Label ExecDirLabel;
    tk::Edit ExecDirEdit;
    tk::Label ExecParamLabel;
    tk::Edit ExecParamEdit;
    tk::RadioGroup WindowSizeRadioGroup;
    tk::RadioButton ExtraRadioButton2;
    tk::RadioButton ExtraRadioButton3;
    tk::RadioGroup BindRadioGroup;
    tk::Edit WinBindEdit;
    tk::UpDown WinBindEditUpDown;
    tk::Button OKButton;
    tk::Button CancelButton;
    tk::OpenDialog OpenDialog;

    void FormShow();
    void ExtraRadioButton1Click();
    void ExtraRadioButton2Click();
    void ExtraRadioButton3Click();
    void BindRadioGroupClick();
    void OKButtonClick();
    void CancelButtonClick();
    void CmdSpeedButtonClick();
    void ExecCmdEditKeyPress(char32_t& key);
    void ExecDirEditKeyPress(char32_t& key);
    void ExecParamEditKeyPress(char32_t& key);
    void ExecCmdEditDropFiles(TQelEdit& Sender, const TQelEdit::StringList& flist);

private:
    void layoutForm();
    void layoutTitle();
    void layoutBase();
    void layoutLaunch();
    void layoutLaunchLabels();
    void nameForScreenReaders();
    void layoutBind();
    void layoutButtons();
    void wireEvents();
    void selectAction(int extra);
    void selectBind(int identifier);
    void selectWindowSize(int showCmd);
    int windowSizeShowCmd() const;
    int bindIdentifier() const;

    KeyCombination combination{'A', {}};
};
