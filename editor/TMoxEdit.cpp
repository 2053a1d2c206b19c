#include "TMoxEdit.h"

#include <shellapi.h>

#include <memory>
#include <vector>

TMoxEdit::TMoxEdit(TComponent* owner, TWinControl* parent) : TEdit(owner, parent) {}

void TMoxEdit::SetDropAccept(bool accept) {
    dropAccept_ = accept;
    // A window made later takes the setting on WM_CREATE.
    if (HandleAllocated()) DragAcceptFiles(Handle(), accept ? TRUE : FALSE);
}

void TMoxEdit::Dispatch(TMessage& message) {
    TEdit::Dispatch(message);
    switch (message.Msg) {
        case WM_CREATE:
            if (HandleAllocated()) DragAcceptFiles(Handle(), dropAccept_ ? TRUE : FALSE);
            if (OnCreate) OnCreate(this);
            break;
        case WM_DROPFILES:
            DropFiles(reinterpret_cast<HDROP>(message.WParam));
            message.Result = 0;
            break;
        default:
            break;
    }
}

void TMoxEdit::DropFiles(HDROP drop) {
    // The drop is released even when reading the names or the handler throws.
    struct DropRelease {
        HDROP drop;
        ~DropRelease() {
            if (drop != nullptr) DragFinish(drop);
        }
    } release{drop};
    if (drop == nullptr) return;

    UINT count = DragQueryFileA(drop, 0xFFFFFFFFu, nullptr, 0);
    if (count < 1) return;
    auto files = std::make_unique<TStringList>();
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::vector<char> buffer(static_cast<size_t>(length) + 11, '\0');
        UINT copied = DragQueryFileA(drop, i, buffer.data(), length + 10);
        if (copied > length + 10) copied = length + 10;
        // No file has an empty name; some shells report one for an empty drop.
        if (copied > 0) files->Add(AnsiString(buffer.data(), copied));
    }
    if (files->Count() > 0 && OnDropFiles) OnDropFiles(this, files.get());
}
