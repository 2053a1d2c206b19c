#include "TAboutBox.h"

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {
    SetName("AboutBox");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);

    Panel1 = CreateComponent<TPanel>(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetParentColor(true);

    ProgramIcon = CreateComponent<TImage>(Panel1);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetStretch(true);

    ProductName = CreateComponent<TLabel>(Panel1);
    ProductName->SetName("ProductName");
    Version = CreateComponent<TLabel>(Panel1);
    Version->SetName("Version");
    Comments = CreateComponent<TLabel>(Panel1);
    Comments->SetName("Comments");
    Comments->SetWordWrap(true);

    OKButton = CreateComponent<TButton>(this);
    OKButton->SetName("OKButton");
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->SetModalResult(mrOk);
}
