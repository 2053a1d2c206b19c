#pragma once
// Multibyte text in the ANSI code page.
#include <cstddef>

#include "AnsiString.h"

// True when the byte starts a double-byte character in the ANSI code page. On Windows this asks
// the system; elsewhere it follows code page 932 (Shift-JIS).
bool IsAnsiLeadByte(unsigned char byte);

// Position of the first backslash that is a character of its own, not the trail byte of a
// double-byte character (as in 表, 0x95 0x5C); npos when there is none.
std::size_t FindAnsiBackslash(const AnsiString& text);
