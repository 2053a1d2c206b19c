#pragma once
// The service's end of the editor link: the hidden window the editor posts to, the definitions as
// last read after the editor saved them, and raising, starting or closing the editor.
#include <memory>

#include "HotKeyList.h"
#include "Win32ShellAccess.h"

class TavrinChan;
class TTvrDefFormD;

class TvrDisplayerD {
public:
    // Makes the hidden window at once, so that an editor can find it from the start.
    explicit TvrDisplayerD(TavrinChan* owner);
    TvrDisplayerD(const TvrDisplayerD&) = delete;
    TvrDisplayerD& operator=(const TvrDisplayerD&) = delete;
    // Tells a running editor to close, then destroys the hidden window.
    ~TvrDisplayerD();

    // Raises the running editor, or starts it.
    void PopupEditor();
    // The editor saved: read the registry and have the owner apply and write back the list.
    void ReloadDefinitions();
    // Replaces the list with a fresh read of the registry.
    void ReadHotKeys();
    // A deep copy of the list as last read; the caller owns it.
    std::unique_ptr<HotKeyList> CopyHotKeys() const;

private:
    TavrinChan* owner;
    TTvrDefFormD* form = nullptr;  // made through the application; destroyed here
    std::unique_ptr<HotKeyList> hotKeys;
    Win32ShellAccess shell;
};
