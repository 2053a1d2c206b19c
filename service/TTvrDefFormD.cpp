#include "TTvrDefFormD.h"

#include "EditorLink.h"
#include "TvrDisplayerD.h"

TTvrDefFormD::TTvrDefFormD(TComponent* owner) : TForm(owner) {
    SetName("TvrDefFormD");
    SetCaption("TvrDefFormD");
}

void TTvrDefFormD::Dispatch(TMessage& message) {
    if (message.Msg == UM_RELOAD_DEFINITIONS)
        UMReloadDefinitions(message);
    else
        TForm::Dispatch(message);
}

void TTvrDefFormD::UMReloadDefinitions(TMessage& message) {
    message.Result = 0;
    if (displayer != nullptr) displayer->ReloadDefinitions();
}
