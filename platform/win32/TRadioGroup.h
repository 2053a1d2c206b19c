#pragma once
// A framed group of radio buttons, one per item, laid out in Columns columns (filled column by
// column), with an optional caption in its frame. ItemIndex is the checked item (-1: none);
// OnClick runs when the user picks an item. Disabling the group disables its buttons.
#include <vector>

#include "TRadioButton.h"
#include "TStringList.h"
#include "TWinControl.h"

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TRadioGroup"; }

    // The items' captions; changing them makes the buttons anew (ItemIndex becomes -1 when it
    // no longer names an item).
    const TStringList& Items() const noexcept { return items_; }
    void SetItems(const std::vector<AnsiString>& items);
    void AddItem(const AnsiString& item);
    void ClearItems();
    int Columns() const noexcept { return columns_; }
    // 1 to 16; other values are brought into that range.
    void SetColumns(int columns);
    int ItemIndex() const noexcept { return itemIndex_; }
    // Checks the item (-1 or a value outside the items: none); raises no OnClick.
    void SetItemIndex(int index);
    // The button of item `index`; null outside the items.
    TRadioButton* Buttons(int index) const noexcept;

    void SetEnabled(bool enabled) override;
    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void FontChanged() override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);
    void Paint(HDC dc) override;
    int TextHeight();

    TStringList items_;
    std::vector<TRadioButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
    bool updating_ = false;
};
