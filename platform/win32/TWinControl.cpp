#include "TWinControl.h"

#include <algorithm>
#include <map>

#include "TApplication.h"
#include "TForm.h"

namespace {

// The window classes of our controls and forms, registered on first use. A class that extends a
// standard control (EDIT, BUTTON ...) is a superclass: our window procedure sees every message
// from the first one on, and passes what it does not take to the standard procedure.
class WindowClassRegistry {
public:
    static WindowClassRegistry& Instance() {
        // Deliberately never destroyed: forms that the application still owns at the program's
        // end are destroyed during static destruction, and their windows need the classes.
        static WindowClassRegistry& registry = *new WindowClassRegistry;
        return registry;
    }

    // Registers the class when needed; returns the procedure that gets what we do not take.
    WNDPROC Register(const AnsiString& name, const char* baseName, UINT classStyle, LPCSTR cursor,
                     WNDPROC procedure) {
        auto known = byName_.find(name);
        if (known != byName_.end()) return known->second;
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        WNDPROC baseProc = DefWindowProcA;
        if (baseName != nullptr) {
            if (!GetClassInfoExA(nullptr, baseName, &wc))
                throw Exception(AnsiString("Window class ") + baseName + " not found");
            baseProc = wc.lpfnWndProc;
            wc.cbSize = sizeof wc;
            wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
        } else {
            wc.style = classStyle;
            wc.hCursor = LoadCursorA(nullptr, cursor != nullptr ? cursor : IDC_ARROW);
            wc.hbrBackground = nullptr;  // the controls paint their own background
        }
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.lpszClassName = name.c_str();
        wc.lpszMenuName = nullptr;
        wc.hIcon = nullptr;
        wc.hIconSm = nullptr;
        ATOM atom = RegisterClassExA(&wc);
        if (atom == 0) {
            WNDCLASSEXA existing{};
            existing.cbSize = sizeof existing;
            if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS || !GetClassInfoExA(instance, name.c_str(), &existing) ||
                existing.lpfnWndProc != procedure)
                throw Exception("Cannot register the window class " + name);
            atom = static_cast<ATOM>(GetClassInfoExA(instance, name.c_str(), &existing));
        }
        byName_[name] = baseProc;
        byAtom_[atom] = baseProc;
        return baseProc;
    }

    // The procedure behind one of our classes, for messages that come before the window is bound.
    WNDPROC BaseProcOf(HWND window) const {
        auto it = byAtom_.find(static_cast<ATOM>(GetClassWord(window, GCW_ATOM)));
        return it != byAtom_.end() ? it->second : DefWindowProcA;
    }

private:
    std::map<AnsiString, WNDPROC> byName_;
    std::map<ATOM, WNDPROC> byAtom_;
};

bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == clSystemColor; }

bool IsReflected(UINT msg) { return msg >= CN_BASE && msg < CN_BASE + 0x400; }

}  // namespace

TWinControl::TWinControl(TComponent* owner, TWinControl* parent) : TComponent(owner) {
    if (parent != nullptr) LinkTo(parent);  // the window comes in AfterConstruction
}

void TWinControl::AfterConstruction() {
    if (!isForm_ && handle_ == nullptr && parent_ != nullptr && parent_->handle_ != nullptr) {
        CreateHandle();
        if (align_ != alNone) parent_->RealignControls();
    }
}

void TWinControl::LinkTo(TWinControl* parent) {
    for (TWinControl* p = parent; p != nullptr; p = p->parent_)
        if (p == this) throw Exception("A control cannot lie on itself");
    parent_ = parent;
    parent_->controls_.push_back(this);
    parent_->tabList_.push_back(this);
}

TWinControl::~TWinControl() {
    if (TForm* form = ParentForm(); form != nullptr && form != this) form->ControlGone(this);
    DestroyHandle();
    for (TWinControl* child : controls_) child->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

// --- Place ---------------------------------------------------------------------------------------

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_ || isForm_) return;
    for (TWinControl* p = parent; p != nullptr; p = p->parent_)
        if (p == this) throw Exception("A control cannot lie on itself");
    DestroyHandle();
    if (parent_ != nullptr) parent_->RemoveControl(this);
    parent_ = nullptr;
    if (parent == nullptr) return;
    LinkTo(parent);
    if (parent_->handle_ != nullptr) {
        CreateHandle();
        if (align_ != alNone) parent_->RealignControls();
    }
}

TWinControl* TWinControl::Controls(int index) const noexcept {
    if (index < 0 || index >= ControlCount()) return nullptr;
    return controls_[static_cast<std::size_t>(index)];
}

TForm* TWinControl::ParentForm() {
    TWinControl* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    return top->isForm_ ? static_cast<TForm*>(top) : nullptr;
}

void TWinControl::RemoveControl(TWinControl* control) noexcept {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
}

// --- Bounds --------------------------------------------------------------------------------------

void TWinControl::SetBoundsFields(int left, int top, int width, int height) noexcept {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    SetBoundsFields(left, top, width, height);
    if (handle_ != nullptr)
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    if (align_ != alNone && parent_ != nullptr && !parent_->realigning_) parent_->RealignControls();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (handle_ == nullptr) return;
    RECT r;
    if (!GetWindowRect(handle_, &r)) return;
    HWND parentWindow = GetParent(handle_);
    if (!isForm_ && parentWindow != nullptr) MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    SetBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int TWinControl::ClientWidth() {
    RECT r{0, 0, width_, height_};
    if (handle_ != nullptr) GetClientRect(handle_, &r);
    return r.right - r.left;
}

int TWinControl::ClientHeight() {
    RECT r{0, 0, width_, height_};
    if (handle_ != nullptr) GetClientRect(handle_, &r);
    return r.bottom - r.top;
}

void TWinControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_ != nullptr) parent_->RealignControls();
}

void TWinControl::AdjustClientRect(RECT&) {}

void TWinControl::RealignControls() {
    if (realigning_) return;
    realigning_ = true;
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    AdjustClientRect(r);
    auto place = [](TWinControl* c, int left, int top, int width, int height) {
        c->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
    };
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TWinControl* c : controls_) {
            if (c->align_ != pass || !c->visible_) continue;
            switch (pass) {
                case alTop:
                    place(c, r.left, r.top, r.right - r.left, c->height_);
                    r.top += c->height_;
                    break;
                case alBottom:
                    place(c, r.left, r.bottom - c->height_, r.right - r.left, c->height_);
                    r.bottom -= c->height_;
                    break;
                case alLeft:
                    place(c, r.left, r.top, c->width_, r.bottom - r.top);
                    r.left += c->width_;
                    break;
                case alRight:
                    place(c, r.right - c->width_, r.top, c->width_, r.bottom - r.top);
                    r.right -= c->width_;
                    break;
                case alClient:
                    place(c, r.left, r.top, r.right - r.left, r.bottom - r.top);
                    break;
                case alNone:
                    break;
            }
        }
    }
    realigning_ = false;
}

// --- Text ----------------------------------------------------------------------------------------

AnsiString TWinControl::Caption() const {
    if (handle_ == nullptr) return caption_;
    const int length = GetWindowTextLengthA(handle_);  // may count more than there is, never less
    if (length <= 0) return {};
    AnsiString text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    return text;
}

void TWinControl::SetCaption(const AnsiString& caption) {
    caption_ = caption;
    if (handle_ != nullptr) SetWindowTextA(handle_, caption_.c_str());
    TextChanged();
}

// --- State ---------------------------------------------------------------------------------------

void TWinControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_ != nullptr) EnableWindow(handle_, enabled ? TRUE : FALSE);
}

void TWinControl::SetVisible(bool visible) {
    visible_ = visible;
    if (handle_ != nullptr) ShowWindow(handle_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (align_ != alNone && parent_ != nullptr) parent_->RealignControls();
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (handle_ != nullptr) ChangeStyle(tabStop ? WS_TABSTOP : 0, tabStop ? 0 : WS_TABSTOP);
}

int TWinControl::TabOrder() const noexcept {
    if (parent_ == nullptr) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (parent_ == nullptr) return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const int position = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, this);
}

void TWinControl::SetHint(const AnsiString& hint) {
    hint_ = hint;
    HintChanged();
}

void TWinControl::HintChanged() {
    if (handle_ == nullptr) return;
    if (TForm* form = ParentForm(); form != nullptr && form != this) form->UpdateToolTip(this);
}

// --- Look ----------------------------------------------------------------------------------------

COLORREF TWinControl::ColorToRGB(TColor color) noexcept {
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

TColor TWinControl::Color() const noexcept {
    if (parentColor_ && parent_ != nullptr) return parent_->Color();
    return color_;
}

void TWinControl::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

void TWinControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    ColorChanged();
}

void TWinControl::ColorChanged() {
    Invalidate();
    for (TWinControl* child : controls_)
        if (child->parentColor_) child->ColorChanged();
}

HBRUSH TWinControl::BackgroundBrush() {
    const TColor color = Color();
    if (brushHandle_ != nullptr && brushColor_ == color) return brushHandle_;
    brush_.reset();
    if (IsSystemColor(color)) {
        brushHandle_ = GetSysColorBrush(static_cast<int>(color & 0xFFu));
    } else {
        brush_.reset(CreateSolidBrush(ColorToRGB(color)));
        brushHandle_ = brush_.get();
    }
    brushColor_ = color;
    return brushHandle_;
}

void TWinControl::PaintBackground(HDC dc, const RECT& rect) { FillRect(dc, &rect, BackgroundBrush()); }

void TWinControl::PaintMessage(TMessage& message) {
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(WindowHandle(), &ps)) {
        Paint(dc);
        EndPaint(WindowHandle(), &ps);
    }
    message.Result = 0;
}

TFont& TWinControl::Font() {
    if (parentFont_ && parent_ != nullptr) return parent_->Font();
    if (!font_) {
        font_ = std::make_unique<TFont>();
        font_->OnChange = [this] { PropagateFontChange(); };
    }
    return *font_;
}

void TWinControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    PropagateFontChange();
}

void TWinControl::ApplyFont() {
    if (handle_ != nullptr) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

void TWinControl::PropagateFontChange() {
    ApplyFont();
    FontChanged();
    for (TWinControl* child : controls_)
        if (child->parentFont_) child->PropagateFontChange();
}

void TWinControl::Invalidate() {
    if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::BringToFront() {
    if (handle_ != nullptr)
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::ChangeStyle(DWORD add, DWORD remove) {
    if (handle_ == nullptr) return;
    const LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed != style) SetWindowLongPtrA(handle_, GWL_STYLE, changed);
}

// --- Focus ---------------------------------------------------------------------------------------

void TWinControl::SetFocus() {
    TForm* form = ParentForm();
    if (form != nullptr && form != this) {
        form->SetActiveControl(this);
        return;
    }
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c != nullptr; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return true;
}

// --- Window --------------------------------------------------------------------------------------

HWND TWinControl::Handle() {
    if (handle_ == nullptr) CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.WinClassName = ClassName();
    params.BaseClassName = nullptr;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) params.Style |= WS_VISIBLE;
    if (!enabled_) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.ExStyle = 0;
    params.ClassStyle = CS_DBLCLKS;
    params.Cursor = IDC_ARROW;
    params.WndParent = parent_ != nullptr ? parent_->handle_ : nullptr;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
}

void TWinControl::CreateHandle() {
    if (handle_ != nullptr) return;
    if (!isForm_) {
        if (parent_ == nullptr) throw Exception("Control '" + Name() + "' has no parent window");
        parent_->HandleNeeded();  // makes this window too, when this control lies on it
        if (handle_ != nullptr) return;
    }
    TCreateParams params{};
    CreateParams(params);
    baseProc_ = WindowClassRegistry::Instance().Register(params.WinClassName, params.BaseClassName, params.ClassStyle,
                                                         params.Cursor, &TWinControl::WindowProcedure);
    HMENU id = nullptr;
    if (!isForm_) id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(TabOrder() + 1));
    HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), caption_.c_str(), params.Style, params.X,
                                  params.Y, params.Width, params.Height, params.WndParent, id, GetModuleHandleA(nullptr),
                                  this);
    if (window == nullptr || handle_ != window) {
        if (window != nullptr) DestroyWindow(window);
        handle_ = nullptr;
        throw Exception("Cannot create the window of '" + (Name().empty() ? ClassName() : Name()) + "'");
    }
    if (!isForm_)  // later controls lie above earlier ones
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ApplyFont();
    CreateWnd();
    CreateChildHandles();
    RealignControls();
    HintChanged();
}

void TWinControl::CreateChildHandles() {
    const std::vector<TWinControl*> children = controls_;
    for (TWinControl* child : children) child->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    HWND window = handle_;
    if (!DestroyWindow(window)) {  // another thread's window, or already gone: forget it
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        handle_ = nullptr;
    }
}

TWinControl* TWinControl::FromHandle(HWND window) noexcept {
    if (window == nullptr || !IsWindow(window)) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != &TWinControl::WindowProcedure)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    HandleNeeded();
    TMessage message{msg, wParam, lParam, 0};
    Dispatch(message);
    return message.Result;
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* self = nullptr;
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        self = create != nullptr ? static_cast<TWinControl*>(create->lpCreateParams) : nullptr;
        if (self != nullptr) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (self == nullptr)  // before WM_NCCREATE, or a window that is not bound
        return CallWindowProcA(WindowClassRegistry::Instance().BaseProcOf(window), window, msg, wParam, lParam);

    TMessage message{msg, wParam, lParam, 0};
    try {
        self->Dispatch(message);
    } catch (...) {
        if (Application != nullptr) Application->HandleException(std::current_exception());
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (self->handle_ == window) self->handle_ = nullptr;
    }
    return message.Result;
}

// --- Messages ------------------------------------------------------------------------------------

bool TWinControl::ReflectToChild(TMessage& message, HWND child) {
    if (child == nullptr || child == handle_) return false;
    TWinControl* control = FromHandle(child);
    if (control == nullptr) return false;
    TMessage reflected{CN_BASE + message.Msg, message.WParam, message.LParam, 0};
    control->Dispatch(reflected);
    message.Result = reflected.Result;
    return true;
}

void TWinControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (message.LParam != 0 && ReflectToChild(message, reinterpret_cast<HWND>(message.LParam))) return;
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            if (header != nullptr && ReflectToChild(message, header->hwndFrom)) return;
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
            if (item != nullptr && item->CtlType != ODT_MENU && ReflectToChild(message, item->hwndItem)) return;
            break;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            // A child that leaves the colours alone answers 0: then the default colours apply.
            if (ReflectToChild(message, reinterpret_cast<HWND>(message.LParam)) && message.Result != 0) return;
            break;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORBTN:
        case CN_CTLCOLORSTATIC:
        case CN_CTLCOLORLISTBOX:
            if (reflectsColors_) {
                HDC dc = reinterpret_cast<HDC>(message.WParam);
                SetTextColor(dc, ColorToRGB(Font().Color()));
                SetBkColor(dc, ColorToRGB(Color()));
                message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
                return;
            }
            break;
        case WM_ERASEBKGND:
            if (baseProc_ == DefWindowProcA) {  // our own classes paint their background colour
                RECT r;
                GetClientRect(handle_, &r);
                PaintBackground(reinterpret_cast<HDC>(message.WParam), r);
                message.Result = 1;
                return;
            }
            break;
        case WM_WINDOWPOSCHANGED:
            UpdateBoundsFromWindow();
            break;
        case WM_SIZE:
            DefaultHandler(message);
            RealignControls();
            return;
        case WM_SETFOCUS:
            if (TForm* form = ParentForm(); form != nullptr && form != this) form->ControlFocused(this);
            break;
        case WM_LBUTTONDOWN:
            mouseDown_ = true;
            DefaultHandler(message);
            mouseDown_ = false;
            return;
        case WM_CHAR:
            if (OnKeyPress) {
                const char typed = static_cast<char>(message.WParam);
                char key = typed;
                OnKeyPress(this, key);
                if (key == 0) {
                    message.Result = 0;
                    return;
                }
                if (key != typed) message.WParam = static_cast<unsigned char>(key);
            }
            break;
        case WM_DESTROY:
            caption_ = Caption();  // kept for a window made anew
            break;
        default:
            break;
    }
    DefaultHandler(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (IsReflected(message.Msg) || handle_ == nullptr) {  // a reflected message nobody took
        message.Result = 0;
        return;
    }
    message.Result = CallWindowProcA(baseProc_ != nullptr ? baseProc_ : DefWindowProcA, handle_, message.Msg,
                                     message.WParam, message.LParam);
}

void TWinControl::Click() {
    if (OnClick) OnClick(this);
}
