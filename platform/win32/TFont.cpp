#include "TFont.h"

#include <cstring>
#include <utility>

namespace {
// The forms' font. This file is compiled to Shift-JIS, so the name is the one the system knows.
constexpr char kDefaultFace[] = "ＭＳ Ｐゴシック";
constexpr int kDefaultHeight = -12;

int CALLBACK FoundFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

bool FaceExists(const AnsiString& name) {
    if (name.empty() || name.size() >= LF_FACESIZE) return false;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::memcpy(wanted.lfFaceName, name.c_str(), name.size() + 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return false;
    EnumFontFamiliesExA(dc, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}
}  // namespace

TFont::TFont() : name_(kDefaultFace), height_(kDefaultHeight), charset_(SHIFTJIS_CHARSET) {}

void TFont::SetName(const AnsiString& name) {
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    height_ = height;
    Changed();
}

void TFont::SetCharset(BYTE charset) {
    charset_ = charset;
    Changed();
}

void TFont::SetColor(TColor color) {
    color_ = color;
    Changed();
}

HFONT TFont::Handle() {
    if (font_) return font_.get();
    if (!madeStock_ && FaceExists(name_)) {
        font_.reset(CreateFontA(height_, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset_, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name_.c_str()));
        if (font_) return font_.get();
    }
    madeStock_ = true;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TFont::Changed() {
    // The windows still use the old font until OnChange has given them the new one.
    UniqueFont old = std::move(font_);
    madeStock_ = false;
    if (OnChange) OnChange();
}
