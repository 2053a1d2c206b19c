#pragma once
// The service's about box: the program's icon, name, version and date.
#include "TAboutBox.h"

class TTvrAboutBoxForm : public TAboutBox {
public:
    explicit TTvrAboutBoxForm(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrAboutBoxForm"; }

    // Hides the box; it stays for the next "About ...".
    void OKButtonClick(TObject* sender);
};
