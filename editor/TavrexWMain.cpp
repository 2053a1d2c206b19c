// Entry of the definition editor: one editor at a time, its hidden main form, the key grid.
#include <windows.h>

#include <memory>

#include "Exception.h"
#include "TApplication.h"
#include "TavrinChanD.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        Application->SetTitle("Tavrin-ChanW");
        auto editor = std::make_unique<TavrinChanD>();
        ShowWindow(Application->Handle(), SW_HIDE);
        Application->SetShowMainForm(false);
        if (editor->IsRunning()) {
            editor->ShowDefForm();
            Application->Run();
        }
        editor.reset();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (const std::exception& e) {
        Application->ShowException(Exception(e.what()));
    }
    return 0;
}
