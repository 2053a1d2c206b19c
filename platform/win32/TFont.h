#pragma once
// A font description and the GDI font made from it. Forms start with "ＭＳ Ｐゴシック",
// Shift-JIS character set, height -12; a face the system does not have gives the system's
// GUI font instead.
#include <windows.h>

#include <functional>

#include "AnsiString.h"
#include "GuiTypes.h"
#include "UniqueHandle.h"

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const AnsiString& Name() const noexcept { return name_; }
    void SetName(const AnsiString& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const noexcept { return height_; }
    void SetHeight(int height);
    BYTE Charset() const noexcept { return charset_; }
    void SetCharset(BYTE charset);
    TColor Color() const noexcept { return color_; }
    void SetColor(TColor color);

    // The GDI font, made on first use and owned by this object; valid until the next change.
    HFONT Handle();

    // Called after every change, so that the windows using the font can take the new one.
    std::function<void()> OnChange;

private:
    void Changed();

    AnsiString name_;
    int height_;
    BYTE charset_;
    TColor color_ = clWindowText;
    UniqueFont font_;
    bool madeStock_ = false;  // true when Handle() fell back to the stock GUI font
};
