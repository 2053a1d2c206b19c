#include "TTvrAboutBoxForm.h"

#include "Resource.h"

TTvrAboutBoxForm::TTvrAboutBoxForm(TComponent* owner) : TAboutBox(owner) {
    SetName("TvrAboutBoxForm");
    SetCaption("バージョン情報");
    SetClientSize(314, 161);
    Icon().LoadFromResourceID(IDI_PROGRAM, 32, 32);

    Panel1->SetBounds(8, 8, 297, 105);

    ProgramIcon->SetBounds(32, 16, 32, 32);
    ProgramIcon->SetCenter(true);
    ProgramIcon->SetAutoSize(true);
    ProgramIcon->Picture().LoadFromResourceID(IDI_PROGRAM, 32, 32);

    ProductName->SetBounds(104, 16, 102, 12);
    ProductName->SetCaption("Tavrinちゃん");
    Version->SetBounds(120, 32, 63, 12);
    Version->SetCaption("Version 3.20");

    Comments->SetAutoSize(false);
    Comments->SetAlign(alBottom);
    Comments->SetBounds(Comments->Left(), Comments->Top(), 293, 24);
    Comments->SetAlignment(taCenter);
    Comments->SetCaption("1999/10/28");

    OKButton->SetBounds(119, 124, 75, 25);
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
}

void TTvrAboutBoxForm::OKButtonClick(TObject*) { Close(); }
