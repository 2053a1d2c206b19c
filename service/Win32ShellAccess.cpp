#include "Win32ShellAccess.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "MultiByte.h"

namespace {
// The end of the folder part of a path: the last backslash or slash that is a character of its
// own (a Shift-JIS trail byte can be 0x5C); npos when there is none.
std::size_t LastSeparator(const AnsiString& path) {
    std::size_t last = AnsiString::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (IsAnsiLeadByte(byte)) {
            ++i;
        } else if (byte == '\\' || byte == '/') {
            last = i;
        }
    }
    return last;
}
}  // namespace

std::intptr_t Win32ShellAccess::Execute(Window owner, const char* verb, const char* file, const char* parameters,
                                        const char* directory, int showCmd) {
    HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), verb, file, parameters, directory, showCmd);
    return reinterpret_cast<std::intptr_t>(result);
}

ShellAccess::Window Win32ShellAccess::FindTopWindow(const char* className, const char* caption) {
    return reinterpret_cast<Window>(FindWindowA(className, caption));
}

bool Win32ShellAccess::PostToWindow(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam) != FALSE;
}

AnsiString Win32ShellAccess::ProgramFolder() {
    // Grow the buffer until the whole path fits: GetModuleFileNameA truncates silently.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            AnsiString folder(path.data(), length);
            const std::size_t slash = LastSeparator(folder);
            return slash == AnsiString::npos ? AnsiString() : folder.substr(0, slash);
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}
