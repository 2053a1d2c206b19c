#include "ShellAccess.h"

std::intptr_t ExecuteWithFallback(ShellAccess& shell, ShellAccess::Window owner, const char* file,
                                  const char* parameters, const char* directory, int showCmd,
                                  const char* fallbackName) {
    const std::intptr_t result = shell.Execute(owner, "Open", file, parameters, directory, showCmd);
    if (result > 32 || fallbackName == nullptr || *fallbackName == '\0') return result;
    const AnsiString folder = shell.ProgramFolder();
    if (folder.empty()) return result;
    const AnsiString beside = folder + "\\" + fallbackName;
    return shell.Execute(owner, "Open", beside.c_str(), parameters, directory, showCmd);
}
