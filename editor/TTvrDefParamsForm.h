#pragma once
// The modal dialog that edits one definition: its mode (launch, popup, shell binding), the
// command, working folder, parameters and window size of launch mode, and the shell function of
// shell-binding mode. It changes the definition only on OK.
#include "HotKey.h"
#include "ParamsDialogState.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMoxEdit.h"
#include "TOpenDialog.h"
#include "TPanel.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TUpDown.h"

class TTvrDefParamsForm : public TForm {
public:
    explicit TTvrDefParamsForm(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrDefParamsForm"; }

    // Shows the dialog for the definition, which stays the caller's. True after OK, when every
    // field of the definition has been overwritten; false otherwise (and for null), the
    // definition untouched.
    bool EditHotKey(HotKey* hotKey);

    TPanel* TitlePanel;
    TLabel* TitleLabel;
    TLabel* CombinationLabel;
    TPanel* BasePanel;
    TRadioButton* ExtraRadioButton1;
    TPanel* TvrBasePanel;
    TLabel* ExecCmdLabel;
    TMoxEdit* ExecCmdEdit;
    TBitBtn* CmdSpeedButton;
    TLabel* ExecDirLabel;
    TEdit* ExecDirEdit;
    TLabel* ExecParamLabel;
    TEdit* ExecParamEdit;
    TRadioGroup* WindowSizeRadioGroup;
    TRadioButton* ExtraRadioButton2;
    TRadioButton* ExtraRadioButton3;
    TRadioGroup* BindRadioGroup;
    TEdit* WinBindEdit;
    TUpDown* WinBindEditUpDown;
    TButton* OKButton;
    TButton* CancelButton;
    TOpenDialog* OpenDialog;

    // Handlers.
    void FormShow(TObject* sender);
    void ExtraRadioButton1Click(TObject* sender);
    void ExtraRadioButton2Click(TObject* sender);
    void ExtraRadioButton3Click(TObject* sender);
    void BindRadioGroupClick(TObject* sender);
    void ExecCmdEditDropFiles(TObject* sender, TStringList* flist);
    void OKButtonClick(TObject* sender);
    void CancelButtonClick(TObject* sender);
    void CmdSpeedButtonClick(TObject* sender);
    void ExecCmdEditKeyPress(TObject* sender, char& key);
    void ExecDirEditKeyPress(TObject* sender, char& key);
    void ExecParamEditKeyPress(TObject* sender, char& key);

    void LoadHotKey(const HotKey* hotKey);
    void StoreHotKey(HotKey* hotKey);
    void UpdateControls();
    void UpdateCombinationLabel();

private:
    void CreateComponents();
    // The controls' contents as a plain state, and back.
    ParamsDialogState ReadState();
    void WriteState(const ParamsDialogState& state);

    // The combination being edited: loaded with the definition, stored back unchanged.
    char key_ = 'A';
    bool ctrl_ = false;
    bool alt_ = false;
    bool shift_ = false;
};
