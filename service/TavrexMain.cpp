// Entry of the resident hotkey service: no visible window, only the tray icon and the hotkeys.
#include <windows.h>

#include <exception>

#include "Exception.h"
#include "TApplication.h"
#include "TavrinChan.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        Application->SetTitle("Tavrin-Chan");
        // Lives until the tray menu's "Exit" destroys it through the tray window.
        [[maybe_unused]] TavrinChan* service = new TavrinChan;
        ShowWindow(Application->Handle(), SW_HIDE);
        Application->SetShowMainForm(false);
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (const std::exception& e) {
        Application->ShowException(Exception(e.what()));
    }
    return 0;
}
