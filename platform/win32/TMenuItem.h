#pragma once
// An item of a popup menu: a caption ("-" makes a separator) and OnClick.
#include "TComponent.h"
#include "GuiTypes.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    // Leaves the menu that owns it.
    ~TMenuItem() override;
    AnsiString ClassName() const override { return "TMenuItem"; }

    const AnsiString& Caption() const noexcept { return caption_; }
    void SetCaption(const AnsiString& caption) { caption_ = caption; }
    bool IsSeparator() const noexcept { return caption_ == "-"; }
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled) noexcept { enabled_ = enabled; }

    TNotifyEvent OnClick;
    // Raises OnClick.
    void Click();

private:
    AnsiString caption_;
    bool enabled_ = true;
};
