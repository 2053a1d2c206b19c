#include "TvrTrayWindow.h"

#include "TApplication.h"
#include "TTvrTrayForm.h"
#include "TavrinChan.h"

TvrTrayWindow::TvrTrayWindow(TavrinChan* mainObject) : mainObject(mainObject) {
    Application->CreateForm(form);
    form->trayWindow = this;
}

TvrTrayWindow::~TvrTrayWindow() {
    delete mainObject;  // the one reversal of ownership: the tray window ends the service
    mainObject = nullptr;
    if (form != nullptr && form->trayWindow == this) form->trayWindow = nullptr;
}

void TvrTrayWindow::PopupEditor() {
    if (mainObject != nullptr) mainObject->PopupEditor();
}

void TvrTrayWindow::ShowAboutBox() {
    if (mainObject != nullptr) mainObject->ShowAboutBox();
}

void TvrTrayWindow::OnHotKey(char key, bool ctrl, bool alt, bool shift) {
    if (mainObject != nullptr) mainObject->OnHotKey(key, ctrl, alt, shift);
}

HWND TvrTrayWindow::GetHandle() { return form->Handle(); }
