#include "ServiceStandIn.h"

namespace {
constexpr UINT kReloadDefinitions = WM_USER + 4;
constexpr char kClassName[] = "TTvrDefFormD";
}  // namespace

ServiceStandIn::ServiceStandIn(std::function<void()> onReload) : onReload_(std::move(onReload)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // may exist from an earlier test
    window_ = CreateWindowExA(0, kClassName, "TvrDefFormD", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
}

ServiceStandIn::~ServiceStandIn() {
    if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK ServiceStandIn::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ServiceStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && msg >= WM_USER && msg < 0x8000) {
        if (msg == kReloadDefinitions) {
            ++self->reloads_;
            if (wParam != 0 || lParam != 0) ++self->badParameters_;
            if (self->onReload_) self->onReload_();
        } else {
            ++self->others_;
        }
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}
