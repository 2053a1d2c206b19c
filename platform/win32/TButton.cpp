#include "TButton.h"

#include "TForm.h"

TButton::TButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 75, 25);
    SetDefaultTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = "BUTTON";
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (!HandleAllocated()) return;
    const auto type = static_cast<DWORD>(GetWindowLongPtrA(WindowHandle(), GWL_STYLE)) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        SendMessageA(WindowHandle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == BN_CLICKED) Click();
            message.Result = 0;
            return;
        case WM_LBUTTONDBLCLK:  // a quick second click is a click as well
            message.Msg = WM_LBUTTONDOWN;
            break;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
