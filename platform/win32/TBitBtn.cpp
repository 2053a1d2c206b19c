#include "TBitBtn.h"

TBitBtn::TBitBtn(TComponent* owner, TWinControl* parent) : TButton(owner, parent) {}

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(HBITMAP bitmap) {
    glyph_.reset(bitmap);
    Invalidate();
}

bool TBitBtn::LoadGlyphFromResourceName(const char* name) {
    auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, 0));
    if (bitmap == nullptr) return false;
    SetGlyph(bitmap);
    return true;
}

bool TBitBtn::LoadGlyphFromResourceID(int id) { return LoadGlyphFromResourceName(MAKEINTRESOURCEA(id)); }

void TBitBtn::SetNumGlyphs(int count) {
    numGlyphs_ = count == 2 ? 2 : 1;
    Invalidate();
}

void TBitBtn::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    BITMAP bitmap{};
    if (glyph_ && GetObjectA(glyph_.get(), sizeof bitmap, &bitmap) != 0 && bitmap.bmWidth > 0) {
        const int width = bitmap.bmWidth / numGlyphs_;
        const int height = bitmap.bmHeight;
        const int source = (disabled && numGlyphs_ == 2) ? width : 0;
        const int x = r.left + (r.right - r.left - width) / 2 + shift;
        const int y = r.top + (r.bottom - r.top - height) / 2 + shift;
        UniqueMemoryDc memory(CreateCompatibleDC(dc));
        if (memory) {
            HGDIOBJ old = SelectObject(memory.get(), glyph_.get());
            const COLORREF transparent = GetPixel(memory.get(), 0, height - 1);
            if (disabled && numGlyphs_ == 1) {
                DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(glyph_.get()), 0, x, y, width, height,
                           DST_BITMAP | DSS_DISABLED);
            } else {
                TransparentBlt(dc, x, y, width, height, memory.get(), source, 0, width, height, transparent);
            }
            SelectObject(memory.get(), old);
        }
    } else {
        const AnsiString caption = Caption();
        RECT text = r;
        OffsetRect(&text, shift, shift);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void TBitBtn::Dispatch(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        if (item != nullptr) Draw(*item);
        message.Result = TRUE;
        return;
    }
    TButton::Dispatch(message);
}
