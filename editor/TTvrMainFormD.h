#pragma once
// The editor's hidden main form. Its window (class "TTvrMainFormD", caption "TvrMainFormD") is how
// the service finds a running editor; it obeys the service's show and close messages.
#include "TForm.h"

class TavrinChanD;

class TTvrMainFormD : public TForm {
public:
    explicit TTvrMainFormD(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrMainFormD"; }

    TavrinChanD* owner = nullptr;

    void Dispatch(TMessage& message) override;

private:
    void UMShowEditor(TMessage& message);
    void UMCloseEditor(TMessage& message);
};
