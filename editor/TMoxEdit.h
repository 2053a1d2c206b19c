#pragma once
// A single-line edit that accepts files dropped from the shell and hands their names to its
// owner as a list.
#include <windows.h>

#include <functional>

#include "TEdit.h"
#include "TStringList.h"

class TMoxEdit : public TEdit {
public:
    explicit TMoxEdit(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TMoxEdit"; }

    bool DropAccept() const noexcept { return dropAccept_; }
    // Registers the window as a drop target (or stops it) at once when it exists, and again each
    // time it is created.
    void SetDropAccept(bool accept);

    // Raised each time the window has been created.
    TNotifyEvent OnCreate;
    // Raised once per drop that carries at least one file, with every dropped path in the
    // shell's order. The list is the control's and is destroyed when the handler returns.
    std::function<void(TObject* sender, TStringList* flist)> OnDropFiles;

    void Dispatch(TMessage& message) override;

private:
    // Reads the names, raises OnDropFiles and releases the drop, whatever happens in between.
    void DropFiles(HDROP drop);
    bool dropAccept_ = false;
};
