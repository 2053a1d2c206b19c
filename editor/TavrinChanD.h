#pragma once
// The editor's main object: the single-instance test, the hidden main form, the key grid's
// controller, and loading and saving the definitions.
#include <memory>

#include "HotKeyList.h"

class TTvrMainFormD;
class TvrDisplayer;

class TavrinChanD {
public:
    // Ends at once with IsRunning() false when another editor's main window exists; otherwise
    // makes the main form and the key grid and loads the definitions into it.
    TavrinChanD();
    ~TavrinChanD();
    TavrinChanD(const TavrinChanD&) = delete;
    TavrinChanD& operator=(const TavrinChanD&) = delete;

    bool IsRunning() const noexcept { return running; }
    void ShowDefForm();
    // Saves the working list, tells a running service to reload it and ends the editor.
    void Commit();
    // Ends the editor without saving.
    void Quit();

    // The definitions in the registry; the caller owns the list.
    static std::unique_ptr<HotKeyList> LoadHotKeys();
    static void SaveHotKeys(HotKeyList* hotKeys);

private:
    bool running = false;
    std::unique_ptr<TvrDisplayer> displayer;
    TTvrMainFormD* mainForm = nullptr;  // the application's main form; freed by the destructor
};
