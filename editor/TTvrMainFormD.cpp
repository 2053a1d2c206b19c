#include "TTvrMainFormD.h"

#include "EditorMessages.h"
#include "TavrinChanD.h"

TTvrMainFormD::TTvrMainFormD(TComponent* owner) : TForm(owner) {
    SetName("TvrMainFormD");
    SetCaption(kEditorWindowCaption);
}

void TTvrMainFormD::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case UM_SHOW_EDITOR: UMShowEditor(message); break;
        case UM_CLOSE_EDITOR: UMCloseEditor(message); break;
        default: TForm::Dispatch(message); break;
    }
}

void TTvrMainFormD::UMShowEditor(TMessage& message) {
    message.Result = 0;
    if (owner != nullptr) owner->ShowDefForm();
}

void TTvrMainFormD::UMCloseEditor(TMessage& message) {
    message.Result = 0;
    if (owner != nullptr) owner->Quit();
}
