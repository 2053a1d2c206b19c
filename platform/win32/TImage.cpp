#include "TImage.h"

TImage::TImage(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::CreateParams(TCreateParams& params) { TWinControl::CreateParams(params); }

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    center_ = center;
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::Paint(HDC dc) {
    if (picture_.Empty()) return;
    RECT r;
    GetClientRect(WindowHandle(), &r);
    int width = picture_.Width();
    int height = picture_.Height();
    int x = 0;
    int y = 0;
    if (stretch_) {
        width = r.right;
        height = r.bottom;
    } else if (center_) {
        x = (r.right - width) / 2;
        y = (r.bottom - height) / 2;
    }
    DrawIconEx(dc, x, y, picture_.Handle(), width, height, 0, nullptr, DI_NORMAL);
}

void TImage::Dispatch(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintMessage(message);
        return;
    }
    TWinControl::Dispatch(message);
}
