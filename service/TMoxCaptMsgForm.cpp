#include "TMoxCaptMsgForm.h"

TMoxCaptMsgForm::TMoxCaptMsgForm(TComponent* owner) : TForm(owner) { SetCaption("MoxCaptMsgForm"); }

void TMoxCaptMsgForm::DefaultHandler(TMessage& message) {
    if (!CaptureMessage(message.Msg, message)) TForm::DefaultHandler(message);
}

bool TMoxCaptMsgForm::CaptureMessage(std::uint32_t, TMessage&) { return false; }
