#pragma once
// Text in the system's ANSI code page (Shift-JIS for the Japanese texts), byte for byte.
#include <string>

using AnsiString = std::string;
