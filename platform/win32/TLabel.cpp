#include "TLabel.h"

#include <algorithm>

TLabel::TLabel(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 65, 13);
}

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
    switch (alignment_) {
        case taCenter:
            params.Style |= SS_CENTER;
            break;
        case taRightJustify:
            params.Style |= SS_RIGHT;
            break;
        case taLeftJustify:
            params.Style |= wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
            break;
    }
}

void TLabel::CreateWnd() { AdjustSize(); }
void TLabel::FontChanged() { AdjustSize(); }
void TLabel::TextChanged() { AdjustSize(); }

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
}

void TLabel::AdjustSize() {
    if (!autoSize_) return;
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return;
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    const AnsiString caption = Caption();
    const AnsiString measured = caption.empty() ? AnsiString("0") : caption;
    RECT r{0, 0, wordWrap_ ? std::max(Width(), 1) : 0, 0};
    DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    const int width = wordWrap_ ? Width() : (caption.empty() ? 0 : r.right - r.left);
    SetBounds(Left(), Top(), width, r.bottom - r.top);
}

void TLabel::Dispatch(TMessage& message) { TWinControl::Dispatch(message); }
