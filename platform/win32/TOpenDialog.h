#pragma once
// The system's dialog for choosing one file to open. FileName is kept between uses
// and offered again; the dialog takes paths longer than MAX_PATH.
#include "TComponent.h"

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);
    AnsiString ClassName() const override { return "TOpenDialog"; }

    const AnsiString& FileName() const noexcept { return fileName_; }
    void SetFileName(const AnsiString& fileName) { fileName_ = fileName; }

    // Shows the dialog, owned by the active form's window; true when the user chose a file, which
    // is then FileName with its full path. False on Cancel or when the dialog fails.
    bool Execute();

private:
    AnsiString fileName_;
};
