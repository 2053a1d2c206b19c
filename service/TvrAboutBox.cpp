#include "TvrAboutBox.h"

#include "TApplication.h"
#include "TTvrAboutBoxForm.h"

TvrAboutBox::TvrAboutBox(TavrinChan* mainObject) : mainObject(mainObject) { Application->CreateForm(form); }

TvrAboutBox::~TvrAboutBox() {
    mainObject = nullptr;
    if (form != nullptr) {
        form->Close();
        form->Free();
        form = nullptr;
    }
}

void TvrAboutBox::ShowAboutBox() {
    if (form != nullptr) form->Show();
}
