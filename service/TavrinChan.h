#pragma once
// The service's main object: it builds the tray window, the about box, the hotkey table and the
// editor link, keeps the current definitions, acts on pressed hotkeys and applies the editor's
// changes. It lives from start-up until "Exit", when the tray window destroys it.
#include <memory>

#include "HotKeyAccessCtrl.h"
#include "HotKeyList.h"
#include "Win32HotKeySystem.h"
#include "Win32ShellAccess.h"

class TvrDisplayerD;
class TvrTrayWindow;
class TvrAboutBox;

class TavrinChan {
public:
    // Builds the service, reads the definitions and registers them. Writes nothing.
    TavrinChan();
    TavrinChan(const TavrinChan&) = delete;
    TavrinChan& operator=(const TavrinChan&) = delete;
    // Releases every hotkey, closes a running editor and frees what it owns; not the tray window.
    ~TavrinChan();

    // A fresh list from the registry (empty when the key cannot be read); the key path is created.
    std::unique_ptr<HotKeyList> LoadHotKeys();
    void SaveHotKeys(HotKeyList& list);
    // Makes a normalised copy of `list` current and brings the system hotkeys in line with it.
    void ApplyHotKeys(const HotKeyList& list);
    // After the editor saved: applies the list the editor link read and writes it back.
    void ReloadHotKeys();
    void OnHotKey(char key, bool ctrl, bool alt, bool shift);
    void ShowAboutBox();
    void PopupEditor();

private:
    // The system calls behind the hotkey table and the actions; they outlive accessCtrl.
    Win32HotKeySystem hotKeySystem;
    Win32ShellAccess shell;

    std::unique_ptr<TvrDisplayerD> displayer;
    std::unique_ptr<HotKeyList> hotKeys;
    std::unique_ptr<HotKeyAccessCtrl> accessCtrl;
    TvrTrayWindow* trayWindow = nullptr;  // not owned: its destruction is what destroys this object
    std::unique_ptr<TvrAboutBox> aboutBox;
};
