#pragma once
// An icon handle, owned: destroyed with this object or when another replaces it.
#include <windows.h>

#include <functional>

#include "UniqueHandle.h"

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON Handle() const noexcept { return icon_.get(); }
    bool Empty() const noexcept { return !icon_; }
    // Takes over `icon` (may be null) and destroys the previous one.
    void SetHandle(HICON icon);
    // Loads the icon resource of the program's module; width and height 0 take the system's
    // default icon size. False, and nothing changes, when the resource is missing.
    bool LoadFromResourceID(int id, int width = 0, int height = 0);
    bool LoadFromResourceName(const char* name, int width = 0, int height = 0);
    // The size of the icon's image in pixels; 0 x 0 when empty.
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }

    // Called after the handle has changed.
    std::function<void()> OnChange;

private:
    UniqueIcon icon_;
    int width_ = 0;
    int height_ = 0;
};
