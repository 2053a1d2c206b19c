#include "TavrinChan.h"

#include "HotKeyAction.h"
#include "HotKeyCombination.h"
#include "HotKeyStore.h"
#include "TvrAboutBox.h"
#include "TvrDisplayerD.h"
#include "TvrTrayWindow.h"

namespace {
constexpr char kBaseName[] = "TavrinChan";
}

TavrinChan::TavrinChan() {
    trayWindow = new TvrTrayWindow(this);  // owned by the tray form's "Exit" from here on
    aboutBox = std::make_unique<TvrAboutBox>(this);
    accessCtrl = std::make_unique<HotKeyAccessCtrl>(reinterpret_cast<HotKeySystem::Window>(trayWindow->GetHandle()),
                                                    kBaseName, hotKeySystem);
    displayer = std::make_unique<TvrDisplayerD>(this);
    const std::unique_ptr<HotKeyList> list = LoadHotKeys();
    ApplyHotKeys(*list);
}

TavrinChan::~TavrinChan() {
    ApplyHotKeys(HotKeyList());
    aboutBox.reset();
    displayer.reset();
    hotKeys.reset();
    accessCtrl.reset();
}

std::unique_ptr<HotKeyList> TavrinChan::LoadHotKeys() { return LoadStoredHotKeys(); }

void TavrinChan::SaveHotKeys(HotKeyList& list) { SaveStoredHotKeys(list); }

void TavrinChan::ApplyHotKeys(const HotKeyList& list) {
    hotKeys = std::make_unique<HotKeyList>(&list);
    accessCtrl->SyncWith(*hotKeys);
}

void TavrinChan::ReloadHotKeys() {
    const std::unique_ptr<HotKeyList> list = displayer->CopyHotKeys();
    ApplyHotKeys(*list);
    SaveHotKeys(*list);
}

void TavrinChan::OnHotKey(char key, bool ctrl, bool alt, bool shift) {
    HandleHotKeyPress(HotKeyCombination{key, ctrl, alt, shift}, *accessCtrl, hotKeys.get(), shell,
                      reinterpret_cast<ShellAccess::Window>(trayWindow->GetHandle()), [this] { PopupEditor(); });
}

void TavrinChan::ShowAboutBox() {
    if (aboutBox) aboutBox->ShowAboutBox();
}

void TavrinChan::PopupEditor() {
    if (displayer) displayer->PopupEditor();
}
