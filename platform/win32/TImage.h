#pragma once
// Shows an icon: at its own size in the top-left corner, centred (Center), or stretched to the
// control (Stretch). With AutoSize the control takes the icon's size.
#include "TIcon.h"
#include "TWinControl.h"

class TImage : public TWinControl {
public:
    explicit TImage(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TImage"; }

    // The icon shown; the image owns it.
    TIcon& Picture() noexcept { return picture_; }
    bool Stretch() const noexcept { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const noexcept { return center_; }
    void SetCenter(bool center);
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void PictureChanged();
    void Paint(HDC dc) override;
    TIcon picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};
