#pragma once
// Joins the tray form to the service's main object: it makes the form, forwards the tray's
// commands and the pressed hotkeys to TavrinChan, and, when destroyed by the "Exit" command,
// destroys TavrinChan.
#include <windows.h>

class TavrinChan;
class TTvrTrayForm;

class TvrTrayWindow {
public:
    // Has the application create the tray form (the first form, so the main form).
    explicit TvrTrayWindow(TavrinChan* mainObject);
    TvrTrayWindow(const TvrTrayWindow&) = delete;
    TvrTrayWindow& operator=(const TvrTrayWindow&) = delete;
    // Destroys the main object; the form stays with the application.
    ~TvrTrayWindow();

    void PopupEditor();
    void ShowAboutBox();
    void OnHotKey(char key, bool ctrl, bool alt, bool shift);
    // The tray form's window: it receives WM_HOTKEY and owns the programs the service starts.
    HWND GetHandle();

private:
    TavrinChan* mainObject;
    TTvrTrayForm* form = nullptr;
};
