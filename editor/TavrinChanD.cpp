#include "TavrinChanD.h"

#include <windows.h>

#include <utility>

#include "EditorMessages.h"
#include "HotKeyStore.h"
#include "TApplication.h"
#include "TTvrMainFormD.h"
#include "TvrDisplayer.h"

TavrinChanD::TavrinChanD() {
    if (FindWindowA(kEditorWindowClass, kEditorWindowCaption) != nullptr) {
        running = false;  // another editor serves the user; it is told nothing
        return;
    }
    running = true;
    Application->CreateForm(mainForm);
    mainForm->owner = this;
    displayer = std::make_unique<TvrDisplayer>(this);
    std::unique_ptr<HotKeyList> loaded = LoadHotKeys();
    displayer->SetHotKeys(loaded.get());
}

TavrinChanD::~TavrinChanD() {
    displayer.reset();
    if (mainForm != nullptr) {
        TTvrMainFormD* gone = std::exchange(mainForm, nullptr);
        gone->owner = nullptr;
        gone->Close();
        gone->Free();
    }
}

void TavrinChanD::ShowDefForm() {
    if (displayer) displayer->Show();
}

void TavrinChanD::Commit() {
    if (displayer) {
        std::unique_ptr<HotKeyList> copy = displayer->CopyHotKeys();
        SaveHotKeys(copy.get());
    }
    if (HWND service = FindWindowA(kServiceWindowClass, kServiceWindowCaption))
        PostMessageA(service, UM_RELOAD_DEFINITIONS, 0, 0);
    if (mainForm != nullptr) mainForm->Close();
}

void TavrinChanD::Quit() {
    if (mainForm != nullptr) mainForm->Close();
}

std::unique_ptr<HotKeyList> TavrinChanD::LoadHotKeys() { return LoadStoredHotKeys(); }

void TavrinChanD::SaveHotKeys(HotKeyList* hotKeys) {
    if (hotKeys != nullptr) SaveStoredHotKeys(*hotKeys);
}
