#pragma once
// A container with an outer and an inner bevel and a centred caption. It raises OnClick on a
// left-button click (press and release on the panel), so it can serve as a toggle button.
#include "TWinControl.h"

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const noexcept { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const noexcept { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(RECT& rect) override;

private:
    void Paint(HDC dc) override;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    bool pressed_ = false;  // the left button went down on the panel and has not come up yet
};
