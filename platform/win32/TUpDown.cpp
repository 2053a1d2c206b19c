#include "TUpDown.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "TApplication.h"

TUpDown::TUpDown(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 15, 20);
}

TUpDown::~TUpDown() = default;

void TUpDown::CreateParams(TCreateParams& params) {
    TApplication::InitializeCommonControls();
    TWinControl::CreateParams(params);
    params.BaseClassName = UPDOWN_CLASSA;
    params.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;  // no UDS_WRAP: stops at the ends
}

void TUpDown::CreateWnd() {
    ApplyBuddy();
    ApplyRange();
    SetPosition(position_);
}

void TUpDown::ApplyBuddy() {
    if (!HandleAllocated()) return;
    HWND buddy = associate_ != nullptr ? associate_->Handle() : nullptr;
    SendMessageA(WindowHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void TUpDown::ApplyRange() {
    if (!HandleAllocated()) return;
    SendMessageA(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    UDACCEL accel{0, static_cast<UINT>(std::max(increment_, 1))};
    SendMessageA(WindowHandle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetAssociate(TEdit* edit) {
    associate_ = edit;
    ApplyBuddy();
    SetPosition(position_);
}

void TUpDown::SetMin(int value) {
    min_ = value;
    ApplyRange();
    SetPosition(position_);
}

void TUpDown::SetMax(int value) {
    max_ = value;
    ApplyRange();
    SetPosition(position_);
}

void TUpDown::SetIncrement(int value) {
    increment_ = std::max(value, 1);
    ApplyRange();
}

int TUpDown::Position() {
    if (HandleAllocated()) {
        BOOL failed = FALSE;
        const auto value = static_cast<int>(SendMessageA(WindowHandle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
        position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    }
    return position_;
}

void TUpDown::SetPosition(int value) {
    position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated()) SendMessageA(WindowHandle(), UDM_SETPOS32, 0, position_);
    if (associate_ != nullptr) associate_->SetText(std::to_string(position_));
}

void TUpDown::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CN_VSCROLL:
        case CN_HSCROLL:
            if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
                (void)Position();
                if (OnChange) OnChange(this);
            }
            message.Result = 0;
            return;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
