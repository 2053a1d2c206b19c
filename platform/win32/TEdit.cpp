#include "TEdit.h"

TEdit::TEdit(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 121, 21);
    SetDefaultTabStop(true);
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = "EDIT";
    params.Style |= ES_AUTOHSCROLL | ES_LEFT;
    if (readOnly_) params.Style |= ES_READONLY;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
    SendMessageA(WindowHandle(), EM_SETLIMITTEXT, 0, 0);  // 0: as much as the system allows
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (HandleAllocated()) SendMessageA(WindowHandle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::SelectAll() {
    if (HandleAllocated()) SendMessageA(WindowHandle(), EM_SETSEL, 0, -1);
}

void TEdit::Dispatch(TMessage& message) {
    if (message.Msg == WM_SETFOCUS) {
        TWinControl::Dispatch(message);
        if (!MouseDown()) SelectAll();  // entered by Tab or by the program, not by a click
        return;
    }
    TWinControl::Dispatch(message);
}
