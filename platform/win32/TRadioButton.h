#pragma once
// A radio button. Checking one (by the user or by SetChecked) clears the other radio buttons on
// the same parent; OnClick runs when the user checks it. A checked radio button is a Tab stop.
#include "TWinControl.h"

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TRadioButton"; }

    bool Checked() const noexcept { return checked_; }
    void SetChecked(bool checked);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void TurnSiblingsOff();
    bool checked_ = false;
};
