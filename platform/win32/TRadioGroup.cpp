#include "TRadioGroup.h"

#include <algorithm>

TRadioGroup::TRadioGroup(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 185, 105);
}

void TRadioGroup::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TRadioGroup::CreateWnd() { ArrangeButtons(); }
void TRadioGroup::FontChanged() {
    ArrangeButtons();
    Invalidate();
}

void TRadioGroup::SetItems(const std::vector<AnsiString>& items) {
    items_.Clear();
    for (const AnsiString& item : items) items_.Add(item);
    RebuildButtons();
}

void TRadioGroup::AddItem(const AnsiString& item) {
    items_.Add(item);
    RebuildButtons();
}

void TRadioGroup::ClearItems() {
    items_.Clear();
    RebuildButtons();
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

TRadioButton* TRadioGroup::Buttons(int index) const noexcept {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) index = -1;
    updating_ = true;
    if (TRadioButton* old = Buttons(itemIndex_)) old->SetChecked(false);
    itemIndex_ = index;
    if (TRadioButton* now = Buttons(itemIndex_)) now->SetChecked(true);
    updating_ = false;
}

void TRadioGroup::RebuildButtons() {
    for (TRadioButton* button : buttons_) button->Free();
    buttons_.clear();
    for (int i = 0; i < items_.Count(); ++i) {
        TRadioButton* button = CreateComponent<TRadioButton>(this);
        button->SetCaption(items_.Strings(i));
        button->SetEnabled(Enabled());
        button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
        buttons_.push_back(button);
    }
    const int index = itemIndex_ < items_.Count() ? itemIndex_ : -1;
    itemIndex_ = -1;
    SetItemIndex(index);
    ArrangeButtons();
}

int TRadioGroup::TextHeight() {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return 13;
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, "0", 1, &size);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    return size.cy > 0 ? size.cy : 13;
}

// Column by column: each column holds (items + columns - 1) / columns buttons, evenly spaced
// below the caption line.
void TRadioGroup::ArrangeButtons() {
    const int count = static_cast<int>(buttons_.size());
    if (count == 0) return;
    const int perColumn = (count + columns_ - 1) / columns_;
    const int buttonWidth = std::max((Width() - 10) / columns_, 0);
    const int textHeight = TextHeight();
    const int space = Height() - textHeight - 5;
    const int buttonHeight = std::max(space / perColumn, 0);
    const int topMargin = textHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                          (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                          buttonHeight);
    }
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TRadioGroup::SetEnabled(bool enabled) {
    TWinControl::SetEnabled(enabled);
    for (TRadioButton* button : buttons_) button->SetEnabled(enabled);
    Invalidate();
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TRadioGroup::Paint(HDC dc) {
    RECT r;
    GetClientRect(WindowHandle(), &r);
    const int textHeight = TextHeight();
    RECT frame = r;
    frame.top += textHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const AnsiString caption = Caption();
    if (caption.empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    RECT text{8, 0, std::min(8 + size.cx, r.right - 2), textHeight};
    PaintBackground(dc, text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_LEFT | DT_TOP | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void TRadioGroup::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            PaintMessage(message);
            return;
        case WM_SIZE:
            TWinControl::Dispatch(message);
            ArrangeButtons();
            Invalidate();
            return;
        case WM_SETTEXT:
        case WM_ENABLE:
            TWinControl::Dispatch(message);
            Invalidate();
            return;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
