#include "TApplication.h"

#include <commctrl.h>

#include <algorithm>

namespace {
TApplication programApplication;

constexpr UINT kReleaseForms = WM_APP + 0x3F0;  // destroys the forms closed with caFree
constexpr char kWindowClass[] = "TApplication";

AnsiString ModuleBaseName() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    AnsiString name(path, std::min<DWORD>(length, MAX_PATH));
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != AnsiString::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != AnsiString::npos) name.erase(dot);
    return name;
}
}  // namespace

TApplication* Application = &programApplication;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    DestroyComponents();  // the forms, while the window that owns theirs still exists
    window_.reset();
    if (Application == this) Application = nullptr;
}

void TApplication::InitializeCommonControls() noexcept {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof init;
        init.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

void TApplication::Initialize() {
    InitializeCommonControls();
    (void)Handle();
}

void TApplication::SetTitle(const AnsiString& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_.get(), title_.c_str());
}

HWND TApplication::Handle() {
    if (window_) return window_.get();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, kWindowClass, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &TApplication::WindowProcedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        if (RegisterClassExA(&wc) == 0) throw Exception("Cannot register the window class TApplication");
    }
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HWND window = CreateWindowExA(0, kWindowClass, title_.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                                  nullptr, nullptr, instance, this);
    if (window == nullptr) throw Exception("Cannot create the application window");
    window_.reset(window);
    return window;
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (self == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    try {
        switch (msg) {
            case kReleaseForms: {
                std::vector<TForm*> forms;
                forms.swap(self->pendingRelease_);
                for (TForm* form : forms) form->Free();
                return 0;
            }
            case WM_CLOSE:
                if (self->mainForm_ != nullptr)
                    self->mainForm_->Close();
                else
                    self->Terminate();
                return 0;
            default:
                break;
        }
    } catch (...) {
        self->HandleException(std::current_exception());
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void TApplication::FormCreated(TForm* form) {
    if (mainForm_ == nullptr) mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::FormGone(TForm* form) noexcept {
    if (mainForm_ == form) mainForm_ = nullptr;
    pendingRelease_.erase(std::remove(pendingRelease_.begin(), pendingRelease_.end(), form), pendingRelease_.end());
}

void TApplication::ReleaseForm(TForm* form) {
    if (std::find(pendingRelease_.begin(), pendingRelease_.end(), form) == pendingRelease_.end())
        pendingRelease_.push_back(form);
    PostMessageA(Handle(), kReleaseForms, 0, 0);
}

// --- Message loop --------------------------------------------------------------------------------

void TApplication::ProcessMessage(MSG& message) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && message.hwnd != nullptr) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root)))
            if (form->HandleDialogKey(message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool TApplication::HandleMessage() {
    MSG message;
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {  // WM_QUIT, or a broken queue
        terminated_ = true;
        return false;
    }
    try {
        ProcessMessage(message);
    } catch (...) {
        HandleException(std::current_exception());
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        try {
            ProcessMessage(message);
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
}

void TApplication::Run() {
    if (showMainForm_ && mainForm_ != nullptr && !terminated_) {
        try {
            mainForm_->Show();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
    while (!terminated_)
        if (!HandleMessage()) break;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (window_) PostMessageA(window_.get(), WM_NULL, 0, 0);  // wakes a loop waiting in GetMessage
    else PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

// --- Exceptions ----------------------------------------------------------------------------------

void TApplication::ShowException(const Exception& e) {
    const AnsiString title = title_.empty() ? ModuleBaseName() : title_;
    MessageBoxA(GetActiveWindow(), e.Message().c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(std::exception_ptr error) noexcept {
    if (!error) return;
    auto report = [this](const Exception& e) {
        try {
            if (OnException)
                OnException(this, e);
            else
                ShowException(e);
        } catch (...) {
            // The report itself failed: nothing is left to tell it to.
        }
    };
    try {
        try {
            std::rethrow_exception(error);
        } catch (const Exception& e) {
            report(e);
        } catch (const std::exception& e) {
            report(Exception(e.what()));
        } catch (...) {
            report(Exception("Unknown exception"));
        }
    } catch (...) {
        // Out of memory while making the report: nothing more can be done.
    }
}
