#pragma once
// An up-down control (comctl32) that steps a number between Min and Max by Increment, without
// wrapping, and shows it in its Associate edit.
#include "TEdit.h"
#include "TWinControl.h"

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner, TWinControl* parent = nullptr);
    ~TUpDown() override;
    AnsiString ClassName() const override { return "TUpDown"; }

    TEdit* Associate() const noexcept { return associate_; }
    // The edit that shows the position (null: none). The edit's text is set to the position.
    void SetAssociate(TEdit* edit);
    int Min() const noexcept { return min_; }
    void SetMin(int value);
    int Max() const noexcept { return max_; }
    void SetMax(int value);
    // The live position; with an associate, the number the edit shows (brought into range).
    int Position();
    void SetPosition(int value);
    int Increment() const noexcept { return increment_; }
    void SetIncrement(int value);

    // Raised after the user changed the position.
    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void ApplyRange();
    void ApplyBuddy();
    TEdit* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
};
