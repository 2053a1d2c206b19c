#include "TPanel.h"

#include <windowsx.h>

namespace {
UINT EdgeOf(TBevelCut bevel) { return bevel == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER; }
}  // namespace

TPanel::TPanel(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent) {
    SetBoundsFields(0, 0, 185, 41);
}

void TPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
    params.ClassStyle = 0;  // no double clicks: two quick clicks are two clicks
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    Invalidate();
    RealignControls();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    bevelInner_ = bevel;
    Invalidate();
    RealignControls();
}

void TPanel::AdjustClientRect(RECT& rect) {
    const int border = (bevelOuter_ != bvNone ? 1 : 0) + (bevelInner_ != bvNone ? 1 : 0);
    InflateRect(&rect, -border, -border);
}

void TPanel::Paint(HDC dc) {
    RECT r;
    GetClientRect(WindowHandle(), &r);
    if (bevelOuter_ != bvNone) DrawEdge(dc, &r, EdgeOf(bevelOuter_), BF_RECT | BF_ADJUST);
    if (bevelInner_ != bvNone) DrawEdge(dc, &r, EdgeOf(bevelInner_), BF_RECT | BF_ADJUST);
    const AnsiString caption = Caption();
    if (caption.empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void TPanel::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            PaintMessage(message);
            return;
        case WM_SETTEXT:
        case WM_ENABLE:
            TWinControl::Dispatch(message);
            Invalidate();
            return;
        case WM_LBUTTONDOWN:
            SetCapture(WindowHandle());
            pressed_ = true;
            break;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                ReleaseCapture();
                RECT r;
                GetClientRect(WindowHandle(), &r);
                const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
                if (PtInRect(&r, at)) {
                    TWinControl::Dispatch(message);
                    Click();
                    return;
                }
            }
            break;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            break;
        default:
            break;
    }
    TWinControl::Dispatch(message);
}
