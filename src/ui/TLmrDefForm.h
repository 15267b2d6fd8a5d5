#pragma once
#include "components/TQelEdit.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "ui/TLmrDefRow.h"

#include <array>
#include <memory>
#include <string>

class HotKey;
class LmrDisplayer;
class TLmrDefParamsForm;

// The definition window: the 26 letter rows of one modifier page, each row
// a value of its own (TLmrDefRow), and the three toggles that choose the page.
class TLmrDefForm : public tk::Form {
public:
    static constexpr int kRows = 26;
    using StringList = TQelEdit::StringList;

    TLmrDefForm();

    tk::Panel Panel1;
    tk::Button OkButton;
    tk::Button CancelButton;
    tk::Label CombinationLabel;
    tk::Panel CtrlButtonPanel;
    tk::Panel AltButtonPanel;
    tk::Panel ShiftButtonPanel;

    void setDisplayer(LmrDisplayer* d) { displayer = d; }
    LmrDisplayer* owner() const { return displayer; }
    TLmrDefParamsForm* params() const { return paramsForm; }
    void bringToFront();
    void setPage(bool ctrl, bool alt, bool shift);
    void updatePagePanels();
    const KeyCombination::Modifiers& page() const { return shownPage; }
    bool pageIsCtrl() const { return shownPage.ctrl; }
    bool pageIsAlt() const { return shownPage.alt; }
    bool pageIsShift() const { return shownPage.shift; }

    // Null for a non-letter; the caller owns the record.
    std::unique_ptr<HotKey> rowToHotKey(char letter) const;
    void showHotKey(const HotKey* key);
    void setRowUsable(char letter, bool usable);
    void setRowReadOnly(char letter, bool readOnly);
    void editRow(char letter);
    void dropOnRow(char letter, const StringList& flist);
    void runParamsDialog(HotKey* key);

    static int rowIndex(char c) { return KeyCombination::letterIndex(c); }
    static char normalizeLetter(char c) {
        return rowIndex(c) < 0 ? '\0' : static_cast<char>('A' + rowIndex(c));
    }
    // The row of a letter, either case; null for anything else.
    TLmrDefRow* row(char letter) const;
    tk::Label* labelOf(char letter) const;
    TQelEdit* editOf(char letter) const;
    tk::GlyphButton* buttonOf(char letter) const;

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

    std::array<std::unique_ptr<TLmrDefRow>, kRows> rows;
    LmrDisplayer* displayer = nullptr;
    TLmrDefParamsForm* paramsForm = nullptr;
    KeyCombination::Modifiers shownPage;
};
