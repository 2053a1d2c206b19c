#pragma once
// A single-line edit (ES_AUTOHSCROLL) whose text may be as long as the system allows.
// Colour clWindow by default; OnKeyPress sees every typed character, Enter as 13.
#include "TWinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TEdit"; }

    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Selects the whole text.
    void SelectAll();

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    bool readOnly_ = false;
};
