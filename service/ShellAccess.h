#pragma once
// The shell and window calls of the service's actions: ShellExecuteA, FindWindowA, PostMessageA,
// and the folder the program was started from. The Windows build passes them through; tests
// record them.
#include <cstdint>

#include "AnsiString.h"

class ShellAccess {
public:
    // A window handle, opaque here; 0 is none.
    using Window = std::uintptr_t;

    virtual ~ShellAccess() = default;
    // ShellExecuteA; parameters and directory may be null. Returns its result as a number:
    // greater than 32 on success.
    virtual std::intptr_t Execute(Window owner, const char* verb, const char* file, const char* parameters,
                                  const char* directory, int showCmd) = 0;
    // FindWindowA; a null caption matches any.
    virtual Window FindTopWindow(const char* className, const char* caption) = 0;
    virtual bool PostToWindow(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // The folder of the running program, without a trailing backslash.
    virtual AnsiString ProgramFolder() = 0;
};

// Starts `file` through the shell with the verb "Open"; when that fails and `fallbackName` is
// given, opens the program folder's `fallbackName` instead. Returns the last result.
std::intptr_t ExecuteWithFallback(ShellAccess& shell, ShellAccess::Window owner, const char* file,
                                  const char* parameters, const char* directory, int showCmd,
                                  const char* fallbackName);
