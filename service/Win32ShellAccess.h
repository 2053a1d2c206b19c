#pragma once
// The shell and window calls of the running system: ShellExecuteA, FindWindowA, PostMessageA and
// the folder of the program's executable.
#include "ShellAccess.h"

class Win32ShellAccess : public ShellAccess {
public:
    std::intptr_t Execute(Window owner, const char* verb, const char* file, const char* parameters,
                          const char* directory, int showCmd) override;
    Window FindTopWindow(const char* className, const char* caption) override;
    bool PostToWindow(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    AnsiString ProgramFolder() override;
};
