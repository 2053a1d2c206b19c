#pragma once
// A stand-in for the service's hidden window (class "TTvrDefFormD", caption "TvrDefFormD") that
// counts the reload requests it receives and looks at the registry at that moment.
#include <windows.h>

#include <functional>

class ServiceStandIn {
public:
    // `onReload` runs for each reload request, as the service would read the registry then.
    explicit ServiceStandIn(std::function<void()> onReload = {});
    ~ServiceStandIn();
    ServiceStandIn(const ServiceStandIn&) = delete;
    ServiceStandIn& operator=(const ServiceStandIn&) = delete;

    HWND Window() const noexcept { return window_; }
    int ReloadCount() const noexcept { return reloads_; }
    // Reload requests that came with a wParam or lParam other than 0.
    int BadParameterCount() const noexcept { return badParameters_; }
    // Messages of the private range other than the reload request.
    int OtherCount() const noexcept { return others_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::function<void()> onReload_;
    int reloads_ = 0;
    int badParameters_ = 0;
    int others_ = 0;
};
