#include "TvrDisplayerD.h"

#include "EditorLink.h"
#include "HotKeyStore.h"
#include "TApplication.h"
#include "TTvrDefFormD.h"
#include "TavrinChan.h"

TvrDisplayerD::TvrDisplayerD(TavrinChan* owner) : owner(owner), hotKeys(std::make_unique<HotKeyList>()) {
    Application->CreateForm(form);
    form->displayer = this;
}

TvrDisplayerD::~TvrDisplayerD() {
    CloseEditor(shell);
    if (form != nullptr) {
        form->displayer = nullptr;
        form->Close();
        form->Free();
        form = nullptr;
    }
    owner = nullptr;
    hotKeys.reset();
}

void TvrDisplayerD::PopupEditor() {
    const auto window = form != nullptr ? reinterpret_cast<ShellAccess::Window>(form->Handle()) : 0;
    ::PopupEditor(shell, window);
}

void TvrDisplayerD::ReloadDefinitions() {
    ReadHotKeys();
    if (owner != nullptr) owner->ReloadHotKeys();
}

void TvrDisplayerD::ReadHotKeys() {
    hotKeys = LoadStoredHotKeys();
}

std::unique_ptr<HotKeyList> TvrDisplayerD::CopyHotKeys() const { return std::make_unique<HotKeyList>(hotKeys.get()); }
