#pragma once
// A push button that draws a glyph: a bitmap holding NumGlyphs images of equal width side by
// side, the normal one first and the disabled one second. The colour of the bitmap's
// bottom-left pixel is transparent. With one image, the disabled look is made from it.
#include "TButton.h"
#include "UniqueHandle.h"

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner, TWinControl* parent = nullptr);
    AnsiString ClassName() const override { return "TBitBtn"; }

    // Takes over `bitmap` (may be null) as the glyph.
    void SetGlyph(HBITMAP bitmap);
    // Loads the glyph from a bitmap resource of the program; false, and nothing changes, when
    // the resource is missing.
    bool LoadGlyphFromResourceID(int id);
    bool LoadGlyphFromResourceName(const char* name);
    HBITMAP Glyph() const noexcept { return glyph_.get(); }
    int NumGlyphs() const noexcept { return numGlyphs_; }
    // 1 or 2; other values are taken as 1.
    void SetNumGlyphs(int count);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void Draw(const DRAWITEMSTRUCT& item);
    UniqueBitmap glyph_;
    int numGlyphs_ = 2;
};
