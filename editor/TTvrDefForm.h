#pragma once
// The key grid: 26 letter rows for the modifier combination chosen with the CTRL, ALT and SHIFT
// toggle panels. The rows' contents and rules live in a KeyGrid; this form shows them in its
// controls and takes the typed texts back before every use.
#include <array>
#include <memory>

#include "HotKey.h"
#include "KeyGrid.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMoxEdit.h"
#include "TPanel.h"
#include "TStringList.h"

class TvrDisplayer;
class TTvrDefParamsForm;

class TTvrDefForm : public TForm {
public:
    explicit TTvrDefForm(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrDefForm"; }

    TPanel* Panel1;
    // The letter rows, index 0 = A … 25 = Z (named KeyPanelA, KeyEditA, … in the form).
    std::array<TPanel*, KeyGrid::RowCount> KeyPanels{};
    std::array<TLabel*, KeyGrid::RowCount> KeyLabels{};
    std::array<TMoxEdit*, KeyGrid::RowCount> KeyEdits{};
    std::array<TBitBtn*, KeyGrid::RowCount> KeyFolderButtons{};
    TLabel* CombinationLabel;
    TPanel* CtrlButtonPanel;
    TPanel* AltButtonPanel;
    TPanel* ShiftButtonPanel;
    TButton* OkButton;
    TButton* CancelButton;

    TvrDisplayer* displayer = nullptr;
    TTvrDefParamsForm* paramsForm = nullptr;

    // Handlers.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void OkButtonClick(TObject* sender);
    void CancelButtonClick(TObject* sender);
    void CtrlButtonPanelClick(TObject* sender);
    void AltButtonPanelClick(TObject* sender);
    void ShiftButtonPanelClick(TObject* sender);

    static char LetterOf(char c) { return KeyGrid::LetterOf(c); }
    static int RowIndexOf(char c) { return KeyGrid::RowIndexOf(c); }
    TLabel* KeyLabelOf(char c) const;
    TMoxEdit* KeyEditOf(char c) const;
    TBitBtn* KeyFolderButtonOf(char c) const;

    bool Ctrl() const noexcept { return grid_.Ctrl(); }
    bool Alt() const noexcept { return grid_.Alt(); }
    bool Shift() const noexcept { return grid_.Shift(); }
    void SetModifiers(bool ctrl, bool alt, bool shift);
    void UpdateModifierPanels();
    void SetRowReadOnly(char letter, bool readOnly);
    void EnableRow(char letter, bool enabled);

    // A new definition made from the row as it stands; null for a non-letter.
    std::unique_ptr<HotKey> RowToHotKey(char letter);
    void ShowHotKey(const HotKey* hotKey);
    void EditRow(HotKey* hotKey);
    void DropOnRow(char letter, TStringList* files);
    void BrowseRow(char letter);
    void RowKeyPress(char& key);
    // Brings the form to the foreground and shows it.
    void ShowFront();

    // The rows with the typed texts taken over from the edits.
    KeyGrid& Grid();
    // Puts every row of the grid into the controls.
    void ShowRows();

private:
    void CreateComponents();
    void CreateRow(int index);
    void ShowRow(char letter);
    void TakeTypedText(char letter);

    KeyGrid grid_;
};
