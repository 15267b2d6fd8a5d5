#pragma once
#include "components/TQelEdit.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

#include <array>
#include <memory>
#include <string>

class HotKey;
class LmrDisplayer;
class TLmrDefParamsForm;

// The definition window: the 26 letter rows of one modifier page. Each row
// is a label, an edit holding the command and a button for the parameters
// dialog, and holds the rest of its definition in the row arrays.
class TLmrDefForm : public tk::Form {
public:
    static constexpr int kRows = 26;
    using StringList = TQelEdit::StringList;

    TLmrDefForm();

    tk::Panel Panel1;
    std::array<std::unique_ptr<tk::Panel>, kRows> KeyPanel;
    std::array<std::unique_ptr<tk::Label>, kRows> KeyLabel;
    tk::Button OkButton;
    tk::Button CancelButton;
    tk::Label CombinationLabel;
    tk::Panel CtrlButtonPanel;
    tk::Panel AltButtonPanel;
    tk::Panel ShiftButtonPanel;
    std::array<std::unique_ptr<TQelEdit>, kRows> KeyEdit;
    std::array<std::unique_ptr<tk::GlyphButton>, kRows> KeyFolderButton;

    void setDisplayer(LmrDisplayer* d) { displayer = d; }
    LmrDisplayer* owner() const { return displayer; }
    TLmrDefParamsForm* params() const { return paramsForm; }
    void bringToFront();
    void setPage(bool ctrl, bool alt, bool shift);
    void updatePagePanels();
    bool pageIsCtrl() const { return pageCtrl; }
    bool pageIsAlt() const { return pageAlt; }
    bool pageIsShift() const { return pageShift; }

    HotKey* rowToHotKey(char letter) const;
    void showHotKey(const HotKey* key);
    void setRowUsable(char letter, bool usable);
    void setRowReadOnly(char letter, bool readOnly);
    void editRow(char letter);
    void dropOnRow(char letter, const StringList& flist);
    void runParamsDialog(HotKey* key);

    static char normalizeLetter(char c);
    static int rowIndex(char c);
    tk::Label* labelOf(char letter) const;
    TQelEdit* editOf(char letter) const;
    tk::GlyphButton* buttonOf(char letter) const;

    std::string rowCommand(char letter) const;
    void setRowCommand(char letter, const std::string& command);
    std::string rowDirectoryOf(char letter) const;
    void setRowDirectory(char letter, const std::string& directory);
    std::string rowParametersOf(char letter) const;
    void setRowParameters(char letter, const std::string& parameters);
    int rowExtraOf(char letter) const;
    void setRowExtra(char letter, int extra);
    int rowShowCmdOf(char letter) const;
    void setRowShowCmd(char letter, int showCmd);

    static const std::string kPopupBanner;
    static const std::string kBindBanner;
    static const std::string kUnknownBanner;

    void FormCreate();
    void KeyEditDropFiles(char letter, const StringList& flist) { dropOnRow(letter, flist); }
    void KeyFolderButtonClick(char letter) { editRow(letter); }
    void KeyEditKeyPress(char32_t& key);
    void CtrlButtonPanelClick();
    void AltButtonPanelClick();
    void ShiftButtonPanelClick();
    void OkButtonClick();
    void CancelButtonClick();

private:
    void layoutForm();
    void layoutRow(int index);
    void layoutBottom();
    void switchPage(bool& flag);
    void nameRows();
    void showBanner(char letter, const std::string& banner, bool readOnly);

    LmrDisplayer* displayer = nullptr;
    TLmrDefParamsForm* paramsForm = nullptr;
    bool pageCtrl = false;
    bool pageAlt = false;
    bool pageShift = false;
    std::array<std::string, kRows> rowDirectory;
    std::array<std::string, kRows> rowParameters;
    std::array<int, kRows> rowExtra{};
    std::array<int, kRows> rowShowCmd{};
};
