#include "TIcon.h"

namespace {
// The size of an icon's image; the bitmaps that GetIconInfo makes are freed again.
void IconSize(HICON icon, int& width, int& height) {
    width = height = 0;
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return;
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    if (color && GetObjectA(color.get(), sizeof bitmap, &bitmap) != 0) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    } else if (mask && GetObjectA(mask.get(), sizeof bitmap, &bitmap) != 0) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight / 2;  // a monochrome icon: AND and XOR masks one above the other
    }
}
}  // namespace

void TIcon::SetHandle(HICON icon) {
    icon_.reset(icon);
    IconSize(icon, width_, height_);
    if (OnChange) OnChange();
}

bool TIcon::LoadFromResourceName(const char* name, int width, int height) {
    const UINT flags = (width == 0 && height == 0) ? LR_DEFAULTSIZE : 0;
    auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, width, height, flags));
    if (icon == nullptr) return false;
    SetHandle(icon);
    return true;
}

bool TIcon::LoadFromResourceID(int id, int width, int height) {
    return LoadFromResourceName(MAKEINTRESOURCEA(id), width, height);
}
