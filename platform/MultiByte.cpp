#include "MultiByte.h"

#ifdef _WIN32
#include <windows.h>

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
#else
bool IsAnsiLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
#endif

std::size_t FindAnsiBackslash(const AnsiString& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') return i;
        // A lead byte takes the next byte with it, whatever that byte is.
        if (IsAnsiLeadByte(byte) && i + 1 < text.size()) ++i;
    }
    return AnsiString::npos;
}
