#include "TRadioButton.h"

TRadioButton::TRadioButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = "BUTTON";
    params.Style |= BS_RADIOBUTTON;  // checked by us, so that siblings on our own panels are cleared too
}

void TRadioButton::CreateWnd() { SendMessageA(WindowHandle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    SetTabStop(checked);
    if (HandleAllocated()) SendMessageA(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (checked) TurnSiblingsOff();
}

void TRadioButton::TurnSiblingsOff() {
    TWinControl* parent = Parent();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
}

void TRadioButton::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == BN_CLICKED && !checked_) {
                SetChecked(true);
                Click();
            }
            message.Result = 0;
            return;
        case WM_LBUTTONDBLCLK:
            message.Msg = WM_LBUTTONDOWN;
            break;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
