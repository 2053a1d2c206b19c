#pragma once
// A push button. A click sets the form's ModalResult to the button's ModalResult (when not
// mrNone), then raises OnClick. Default: Enter clicks it; Cancel: Esc clicks it.
#include "TWinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TButton"; }

    bool Default() const noexcept { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const noexcept { return cancel_; }
    void SetCancel(bool cancel) noexcept { cancel_ = cancel; }
    TModalResult ModalResult() const noexcept { return modalResult_; }
    void SetModalResult(TModalResult result) noexcept { modalResult_ = result; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};
