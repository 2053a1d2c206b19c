#pragma once
// The service's hidden main form: it owns the notification-area icon and its popup menu, and its
// window is the one the system hotkeys are registered on, so WM_HOTKEY arrives here.
#include "TMenuItem.h"
#include "TMoxCaptMsgForm.h"
#include "TPopupMenu.h"
#include "Win32ShellAccess.h"

class TvrTrayWindow;

// The icon's callback message and id.
constexpr UINT UM_TRAY_NOTIFY = WM_USER + 1;
constexpr UINT kTrayIconId = 100;

class TTvrTrayForm : public TMoxCaptMsgForm {
public:
    explicit TTvrTrayForm(TComponent* owner);
    AnsiString ClassName() const override { return "TTvrTrayForm"; }

    TPopupMenu* MainPopupMenu;
    TMenuItem* DefineMenuItem;
    TMenuItem* HelpMenuItem;
    TMenuItem* AboutMenuItem;
    TMenuItem* N1;
    TMenuItem* ExitMenuItem;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void DefineMenuItemClick(TObject* sender);
    void HelpMenuItemClick(TObject* sender);
    void AboutMenuItemClick(TObject* sender);
    void ExitMenuItemClick(TObject* sender);

    void Dispatch(TMessage& message) override;
    // Takes "TaskbarCreated": the shell was restarted, so the icon is put up again.
    bool CaptureMessage(std::uint32_t msg, TMessage& message) override;

    // Back pointer, set by TvrTrayWindow right after the form is made. The "Exit" command
    // destroys that object, which takes the whole service down with it.
    TvrTrayWindow* trayWindow = nullptr;
    // The number of the registered message "TaskbarCreated"; 0 until registered.
    UINT taskbarMessage = 0;

private:
    void AddTrayIcon();
    void RemoveTrayIcon();
    void WMHotKey(TMessage& message);
    void WMTrayNotify(TMessage& message);

    Win32ShellAccess shell;
};
