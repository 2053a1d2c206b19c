#include "RegistryBackend.h"

#ifdef _WIN32
#include "win32/Win32Registry.h"
#else
#include "MemoryRegistry.h"
#endif

namespace {
RegistryBackend* chosen = nullptr;

RegistryBackend& SystemBackend() {
#ifdef _WIN32
    static Win32Registry backend;
#else
    static MemoryRegistry backend;  // no system registry here
#endif
    return backend;
}
}  // namespace

RegistryBackend& CurrentRegistryBackend() { return chosen != nullptr ? *chosen : SystemBackend(); }

void UseRegistryBackend(RegistryBackend* backend) { chosen = backend; }
