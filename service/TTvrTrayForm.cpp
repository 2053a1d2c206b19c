#include "TTvrTrayForm.h"

#include <shellapi.h>

#include <cstring>
#include <memory>
#include <utility>

#include "HotKeyCombination.h"
#include "Resource.h"
#include "TvrTrayWindow.h"

namespace {
constexpr char kTip[] = "Tavrin-Chan";
constexpr char kHelpFile[] = "Tavrex.html";
}  // namespace

TTvrTrayForm::TTvrTrayForm(TComponent* owner) : TMoxCaptMsgForm(owner) {
    SetName("TvrTrayForm");
    SetCaption("TvrTrayForm");
    Icon().LoadFromResourceID(IDI_TRAY, 16, 16);

    MainPopupMenu = CreateComponent<TPopupMenu>();
    DefineMenuItem = MainPopupMenu->Add("Define ...", [this](TObject* s) { DefineMenuItemClick(s); });
    HelpMenuItem = MainPopupMenu->Add("Help (html) ...", [this](TObject* s) { HelpMenuItemClick(s); });
    AboutMenuItem = MainPopupMenu->Add("About ...", [this](TObject* s) { AboutMenuItemClick(s); });
    N1 = MainPopupMenu->Add("-");
    ExitMenuItem = MainPopupMenu->Add("Exit", [this](TObject* s) { ExitMenuItemClick(s); });

    taskbarMessage = RegisterWindowMessageA("TaskbarCreated");
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
}

void TTvrTrayForm::AddTrayIcon() {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the 88-byte record every shell understands
    data.hWnd = Handle();
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = UM_TRAY_NOTIFY;
    data.hIcon = Icon().Handle();
    static_assert(sizeof kTip <= 64);
    std::memcpy(data.szTip, kTip, sizeof kTip);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void TTvrTrayForm::RemoveTrayIcon() {
    if (!HandleAllocated()) return;
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = Handle();
    data.uID = kTrayIconId;
    data.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void TTvrTrayForm::FormCreate(TObject*) { AddTrayIcon(); }

void TTvrTrayForm::FormClose(TObject*, TCloseAction&) { RemoveTrayIcon(); }

void TTvrTrayForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_HOTKEY:
            WMHotKey(message);
            break;
        case UM_TRAY_NOTIFY:
            WMTrayNotify(message);
            break;
        default:
            TMoxCaptMsgForm::Dispatch(message);
            break;
    }
}

bool TTvrTrayForm::CaptureMessage(std::uint32_t msg, TMessage& message) {
    if (taskbarMessage != 0 && msg == taskbarMessage) {
        AddTrayIcon();
        message.Result = 0;
        return true;
    }
    return false;
}

void TTvrTrayForm::WMHotKey(TMessage& message) {
    message.Result = 0;
    const auto combination = DecodeHotKeyLParam(message.LParam);
    if (!combination || trayWindow == nullptr) return;
    trayWindow->OnHotKey(combination->key, combination->ctrl, combination->alt, combination->shift);
}

void TTvrTrayForm::WMTrayNotify(TMessage& message) {
    message.Result = 0;
    switch (static_cast<UINT>(message.LParam)) {
        case WM_RBUTTONDOWN: {
            SetForegroundWindow(Handle());
            POINT cursor{};
            GetCursorPos(&cursor);
            MainPopupMenu->Popup(cursor.x, cursor.y);
            break;
        }
        case WM_LBUTTONDBLCLK:
            SetForegroundWindow(Handle());
            if (trayWindow != nullptr) trayWindow->PopupEditor();
            break;
        default:
            break;
    }
}

void TTvrTrayForm::DefineMenuItemClick(TObject*) {
    if (trayWindow != nullptr) trayWindow->PopupEditor();
}

void TTvrTrayForm::HelpMenuItemClick(TObject*) {
    // The shell looks for the bare name in the current folder; failing that, the page beside
    // the program is opened.
    ExecuteWithFallback(shell, reinterpret_cast<ShellAccess::Window>(Handle()), kHelpFile, nullptr, nullptr,
                        SW_SHOW, kHelpFile);
}

void TTvrTrayForm::AboutMenuItemClick(TObject*) {
    if (trayWindow != nullptr) trayWindow->ShowAboutBox();
}

void TTvrTrayForm::ExitMenuItemClick(TObject*) {
    // The tray window owns the service from here on: destroying it unregisters the hotkeys,
    // closes a running editor and deletes the atoms.
    std::unique_ptr<TvrTrayWindow> ending(std::exchange(trayWindow, nullptr));
    ending.reset();
    Close();  // the main form: ends the application; FormClose removes the icon
}
