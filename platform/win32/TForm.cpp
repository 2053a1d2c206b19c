#include "TForm.h"

#include <commctrl.h>

#include <algorithm>

#include "TApplication.h"
#include "TButton.h"

namespace {

DWORD StyleOf(TFormBorderStyle border) {
    switch (border) {
        case bsNone:
            return WS_POPUP;
        case bsSingle:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        case bsDialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case bsSizeable:
        default:
            return WS_OVERLAPPEDWINDOW;
    }
}

DWORD ExStyleOf(TFormBorderStyle border, TFormStyle formStyle) {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (border == bsDialog) exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (formStyle == fsStayOnTop) exStyle |= WS_EX_TOPMOST;
    return exStyle;
}

// The windows of this thread that a modal form disables, and enables again at its end.
struct DisabledWindows {
    HWND except;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
    auto* list = reinterpret_cast<DisabledWindows*>(data);
    if (window != list->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        list->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner, nullptr) {
    isForm_ = true;
    visible_ = false;
    parentColor_ = false;
    parentFont_ = false;
    color_ = clBtnFace;
    SetBoundsFields(100, 100, 320, 240);
    icon_.OnChange = [this] { ApplyIcon(); };
}

TForm::~TForm() {
    if (Application != nullptr) Application->FormGone(this);
    toolTip_.reset();
    DestroyHandle();
}

void TForm::AfterConstruction() {
    if (created_) return;
    created_ = true;
    HandleNeeded();
    if (OnCreate) {
        try {
            OnCreate(this);
        } catch (...) {
            if (Application != nullptr) Application->HandleException(std::current_exception());
        }
    }
}

// --- Settings ------------------------------------------------------------------------------------

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    if (HandleAllocated()) {
        SetWindowLongPtrA(WindowHandle(), GWL_STYLE,
                          static_cast<LONG_PTR>(StyleOf(style) | WS_CLIPCHILDREN | (IsWindowVisible(WindowHandle()) ? WS_VISIBLE : 0)));
        SetWindowLongPtrA(WindowHandle(), GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyleOf(style, formStyle_)));
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (clientSizeSet_) SetClientSize(clientWidth_, clientHeight_);
}

void TForm::SetFormStyle(TFormStyle style) {
    formStyle_ = style;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
void TForm::SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }

void TForm::SetClientSize(int width, int height) {
    clientSizeSet_ = true;
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
    if (HandleAllocated()) {
        RECT window;
        RECT client;
        GetWindowRect(WindowHandle(), &window);
        GetClientRect(WindowHandle(), &client);
        SetBounds(Left(), Top(), (window.right - window.left) - client.right + clientWidth_,
                  (window.bottom - window.top) - client.bottom + clientHeight_);
    } else {
        RECT r{0, 0, clientWidth_, clientHeight_};
        AdjustWindowRectEx(&r, StyleOf(borderStyle_), FALSE, ExStyleOf(borderStyle_, formStyle_));
        SetBoundsFields(Left(), Top(), r.right - r.left, r.bottom - r.top);
    }
}

int TForm::ClientWidth() {
    if (!HandleAllocated()) return clientSizeSet_ ? clientWidth_ : TWinControl::ClientWidth();
    return TWinControl::ClientWidth();
}

int TForm::ClientHeight() {
    if (!HandleAllocated()) return clientSizeSet_ ? clientHeight_ : TWinControl::ClientHeight();
    return TWinControl::ClientHeight();
}

void TForm::SetShowHint(bool showHint) {
    showHint_ = showHint;
    if (!showHint) {
        toolTip_.reset();
        return;
    }
    std::vector<TWinControl*> pending{this};
    while (!pending.empty()) {
        TWinControl* c = pending.back();
        pending.pop_back();
        for (int i = 0; i < c->ControlCount(); ++i) pending.push_back(c->Controls(i));
        if (c != this && c->HandleAllocated()) UpdateToolTip(c);
    }
}

void TForm::UpdateToolTip(TWinControl* control) {
    if (!showHint_ || !HandleAllocated() || control == nullptr || !control->HandleAllocated()) return;
    if (!toolTip_) {
        TApplication::InitializeCommonControls();
        toolTip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, WindowHandle(), nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
        if (!toolTip_) return;  // no tooltips then; nothing else depends on them
        SendMessageA(toolTip_.get(), TTM_SETMAXTIPWIDTH, 0, 600);
    }
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = WindowHandle();
    tool.uId = reinterpret_cast<UINT_PTR>(control->WindowHandle());
    SendMessageA(toolTip_.get(), TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
    if (control->Hint().empty()) return;
    AnsiString text = control->Hint();
    tool.lpszText = text.data();
    SendMessageA(toolTip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TForm::ApplyIcon() {
    if (!HandleAllocated()) return;
    SendMessageA(WindowHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
    SendMessageA(WindowHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
}

// --- Window --------------------------------------------------------------------------------------

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = nullptr;
    params.Style = StyleOf(borderStyle_) | WS_CLIPCHILDREN;
    if (!Enabled()) params.Style |= WS_DISABLED;
    params.ExStyle = ExStyleOf(borderStyle_, formStyle_);
    params.ClassStyle = CS_DBLCLKS;
    params.WndParent = Application != nullptr ? Application->Handle() : nullptr;
}

void TForm::CreateWnd() {
    if (clientSizeSet_) {  // the frame may differ from what AdjustWindowRectEx said
        RECT client;
        GetClientRect(WindowHandle(), &client);
        if (client.right != clientWidth_ || client.bottom != clientHeight_) SetClientSize(clientWidth_, clientHeight_);
    }
    ApplyIcon();
}

// --- Showing and closing -------------------------------------------------------------------------

void TForm::CenterOnScreen() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    SetBounds(std::max(x, 0), std::max(y, 0), Width(), Height());
}

void TForm::SetVisible(bool visible) {
    if (!visible) {
        visible_ = false;
        if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
        return;
    }
    HandleNeeded();
    if (IsWindowVisible(WindowHandle())) {
        visible_ = true;
        return;
    }
    if (position_ == poScreenCenter) CenterOnScreen();
    visible_ = true;
    if (OnShow) OnShow(this);
    if (visible_) ShowWindow(WindowHandle(), SW_SHOW);
}

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::BringToFront() {
    if (!HandleAllocated()) return;
    SetWindowPos(WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (IsWindowVisible(WindowHandle())) {
        SetForegroundWindow(WindowHandle());
        SetActiveWindow(WindowHandle());
    }
}

void TForm::Close() {
    if (modal_) {
        if (modalResult_ == mrNone) SetModalResult(mrCancel);
        return;
    }
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
        case caHide:
            Hide();
            break;
        case caMinimize:
            if (HandleAllocated()) ShowWindow(WindowHandle(), SW_MINIMIZE);
            break;
        case caFree:
            Hide();
            if (Application != nullptr) Application->ReleaseForm(this);
            break;
        case caNone:
            break;
    }
}

bool TForm::RunCloseHandlers() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    return action != caNone;
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (modal_ && HandleAllocated()) PostMessageA(WindowHandle(), WM_NULL, 0, 0);  // wakes the modal loop
}

TModalResult TForm::ShowModal() {
    if (modal_) throw Exception("Cannot make a modal form modal again");
    if (Application == nullptr) throw Exception("No application");
    HandleNeeded();
    HWND previous = GetActiveWindow();
    DisabledWindows disabled{WindowHandle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    modal_ = true;
    modalResult_ = mrNone;
    auto restore = [&] {
        modal_ = false;
        for (HWND window : disabled.windows)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        Hide();
        if (previous != nullptr && previous != WindowHandle() && IsWindow(previous) && IsWindowVisible(previous))
            SetActiveWindow(previous);
    };
    try {
        Show();
        while (modalResult_ == mrNone) {
            if (Application->Terminated() || !Application->HandleMessage()) {
                modalResult_ = mrCancel;
                break;
            }
            if (modalResult_ != mrNone && !RunCloseHandlers()) modalResult_ = mrNone;  // caNone: goes on
        }
    } catch (...) {
        restore();
        throw;
    }
    const TModalResult result = modalResult_;
    restore();
    return result;
}

// --- Focus ---------------------------------------------------------------------------------------

void TForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control == nullptr || !HandleAllocated() || !IsWindowVisible(WindowHandle()) || !control->CanFocus()) return;
    ::SetFocus(control->Handle());
}

void TForm::ControlFocused(TWinControl* control) { activeControl_ = control; }

void TForm::ControlGone(TWinControl* control) noexcept {
    if (activeControl_ == control) activeControl_ = nullptr;
    if (toolTip_ && control->HandleAllocated()) {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = WindowHandle();
        tool.uId = reinterpret_cast<UINT_PTR>(control->WindowHandle());
        SendMessageA(toolTip_.get(), TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void TForm::CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& stops) {
    for (TWinControl* c : parent->tabList_) {
        if (!c->Visible() || !c->Enabled() || !c->HandleAllocated() || !IsWindowVisible(c->WindowHandle()) ||
            !IsWindowEnabled(c->WindowHandle()))
            continue;
        if (c->TabStop()) stops.push_back(c);
        CollectTabStops(c, stops);
    }
}

bool TForm::SelectNext(bool forward) {
    std::vector<TWinControl*> stops;
    CollectTabStops(this, stops);
    if (stops.empty()) return false;
    const int count = static_cast<int>(stops.size());
    int current = -1;
    for (TWinControl* c = FromHandle(GetFocus()); c != nullptr && current < 0; c = c->Parent()) {
        auto it = std::find(stops.begin(), stops.end(), c);
        if (it != stops.end()) current = static_cast<int>(it - stops.begin());
    }
    int next;
    if (current < 0)
        next = forward ? 0 : count - 1;
    else
        next = (current + (forward ? 1 : count - 1)) % count;
    stops[static_cast<std::size_t>(next)]->SetFocus();
    return true;
}

TButton* TForm::FindButton(bool cancel) {
    std::vector<TWinControl*> pending{this};
    while (!pending.empty()) {
        TWinControl* c = pending.back();
        pending.pop_back();
        if (auto* button = dynamic_cast<TButton*>(c)) {
            const bool wanted = cancel ? button->Cancel() : button->Default();
            if (wanted && button->CanFocus() && button->HandleAllocated() && IsWindowVisible(button->WindowHandle()) &&
                IsWindowEnabled(button->WindowHandle()))
                return button;
        }
        for (int i = c->ControlCount() - 1; i >= 0; --i) pending.push_back(c->Controls(i));
    }
    return nullptr;
}

bool TForm::HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (GetKeyState(VK_MENU) < 0) return false;
    const auto code = static_cast<UINT>(
        SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)));
    if (code & DLGC_WANTALLKEYS) return false;
    switch (message.wParam) {
        case VK_TAB:
            if ((code & DLGC_WANTTAB) || GetKeyState(VK_CONTROL) < 0) return false;
            SelectNext(GetKeyState(VK_SHIFT) >= 0);
            return true;
        case VK_ESCAPE:
            if (TButton* button = FindButton(/*cancel=*/true)) {
                button->Click();
                return true;
            }
            return false;
        case VK_RETURN: {
            auto* focused = dynamic_cast<TButton*>(FromHandle(message.hwnd));
            if (focused != nullptr && focused->CanFocus()) {
                focused->Click();
                return true;
            }
            if (TButton* button = FindButton(/*cancel=*/false)) {
                button->Click();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void TForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_CLOSE:
            Close();
            message.Result = 0;
            return;
        case WM_ACTIVATE:
            if (LOWORD(message.WParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(WindowHandle(), focus))
                    if (TWinControl* c = FromHandle(focus)) activeControl_ = c;
                break;
            }
            if (HIWORD(message.WParam) == 0) {  // activated and not minimised: focus goes to the active control
                TWinControl* target = activeControl_;
                if (target == nullptr || !target->CanFocus() || !target->HandleAllocated()) {
                    std::vector<TWinControl*> stops;
                    CollectTabStops(this, stops);
                    target = stops.empty() ? nullptr : stops.front();
                }
                if (target != nullptr) {
                    ::SetFocus(target->Handle());
                    message.Result = 0;
                    return;
                }
            }
            break;
        case WM_SETFOCUS:
            if (activeControl_ != nullptr && activeControl_->CanFocus() && activeControl_->HandleAllocated()) {
                ::SetFocus(activeControl_->WindowHandle());
                message.Result = 0;
                return;
            }
            break;
        case WM_SHOWWINDOW:
            if (message.WParam == FALSE) visible_ = false;
            break;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
