#pragma once
// A static text. With AutoSize on (the default) it takes the size of its caption (with WordWrap:
// keeps its width and takes the height of the wrapped text).
#include "TWinControl.h"

class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TLabel"; }

    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment alignment);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void FontChanged() override;
    void TextChanged() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TAlignment alignment_ = taLeftJustify;
};
