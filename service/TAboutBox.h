#pragma once
// A generic about box: an icon, the product name, the version and a comment on a panel, and OK.
#include "TButton.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner);
    AnsiString ClassName() const override { return "TAboutBox"; }

    TPanel* Panel1;
    TImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* Version;
    TLabel* Comments;
    TButton* OKButton;
};
