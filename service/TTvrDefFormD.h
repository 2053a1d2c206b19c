#pragma once
// The service's hidden window, which the editor finds by class "TTvrDefFormD" and caption
// "TvrDefFormD" to tell the service that it saved the definitions.
#include "TForm.h"

class TvrDisplayerD;

class TTvrDefFormD : public TForm {
public:
    explicit TTvrDefFormD(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrDefFormD"; }

    void Dispatch(TMessage& message) override;
    void UMReloadDefinitions(TMessage& message);

    // Set by TvrDisplayerD right after the form is made; not owned.
    TvrDisplayerD* displayer = nullptr;
};
