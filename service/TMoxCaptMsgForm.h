#pragma once
// A form that offers every message that no handler of the form took to CaptureMessage before the
// normal default handling, so that a derived form can take messages whose numbers are known only
// at run time (registered window messages).
#include <cstdint>

#include "TForm.h"

class TMoxCaptMsgForm : public TForm {
public:
    explicit TMoxCaptMsgForm(TComponent* owner);
    AnsiString ClassName() const override { return "TMoxCaptMsgForm"; }

    void DefaultHandler(TMessage& message) override;
    // True when the form took the message; the default takes none.
    virtual bool CaptureMessage(std::uint32_t msg, TMessage& message);
};
