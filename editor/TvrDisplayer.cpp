#include "TvrDisplayer.h"

#include <windows.h>

#include <utility>

#include "TApplication.h"
#include "TTvrDefForm.h"
#include "TavrinChanD.h"

TvrDisplayer::TvrDisplayer(TavrinChanD* owner) : owner(owner), hotKeys(std::make_unique<HotKeyList>()) {
    Application->CreateForm(form);
    form->displayer = this;
}

TvrDisplayer::~TvrDisplayer() {
    if (form != nullptr) {
        try {
            form->Close();
        } catch (...) {
            // Tear-down goes on; a close handler's failure must not leak the form.
        }
        TTvrDefForm* gone = std::exchange(form, nullptr);
        gone->displayer = nullptr;
        gone->Free();
    }
    owner = nullptr;
    hotKeys.reset();
}

void TvrDisplayer::SetHotKeys(TList* source) {
    hotKeys = std::make_unique<HotKeyList>(source);
    if (form == nullptr) return;
    form->SetModifiers(false, false, false);
    Refresh();
}

std::unique_ptr<HotKeyList> TvrDisplayer::CopyHotKeys() const { return std::make_unique<HotKeyList>(hotKeys.get()); }

void TvrDisplayer::Show() {
    if (form != nullptr) form->ShowFront();
}

void TvrDisplayer::StoreGrid() {
    if (form != nullptr) form->Grid().StoreGrid(*hotKeys);
}

void TvrDisplayer::Refresh() {
    if (form == nullptr) return;
    form->Grid().Refresh(*hotKeys, QueryOsVersion());
    form->ShowRows();
}

void TvrDisplayer::CommitEdit() {
    StoreGrid();
    if (owner != nullptr) owner->Commit();
}

void TvrDisplayer::CancelEdit() {
    if (owner != nullptr) owner->Quit();
}

OsVersion TvrDisplayer::QueryOsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
    OsVersion os;
    if (GetVersionExA(&info)) {
        os.known = true;
        os.platformId = info.dwPlatformId;
        os.majorVersion = info.dwMajorVersion;
        os.minorVersion = info.dwMinorVersion;
    }
    return os;
}
