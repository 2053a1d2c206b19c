#pragma once
// The registry below TRegistry: the system's registry on Windows, or a registry in memory.
#include <cstdint>
#include <string>

#include "AnsiString.h"

// Value types, with the numbers the system gives them.
enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
};

class RegistryBackend {
public:
    // An open key; 0 is no key. The root key is open for good and is never closed.
    using Key = std::uintptr_t;
    enum class Query { Found, Missing, Failed };

    virtual ~RegistryBackend() = default;

    // HKEY_CURRENT_USER.
    virtual Key RootKey() = 0;
    // Opens the subkey `name` of `parent` with full access, creating it when missing and `create`
    // is set. On success `result` is a new key that the caller closes.
    virtual bool OpenKey(Key parent, const AnsiString& name, bool create, Key& result) = 0;
    virtual void CloseKey(Key key) = 0;
    // Reads a value's type and raw bytes.
    virtual Query QueryValue(Key key, const AnsiString& name, std::uint32_t& type,
                             std::string& data) = 0;
    virtual bool SetValue(Key key, const AnsiString& name, std::uint32_t type,
                          const std::string& data) = 0;
    // Deletes the subkey `name` of `parent` with every key below it.
    virtual bool DeleteTree(Key parent, const AnsiString& name) = 0;
};

// The backend that new TRegistry objects use: the system's registry on Windows, a process-wide
// registry in memory elsewhere.
RegistryBackend& CurrentRegistryBackend();
// Makes new TRegistry objects use `backend` (the caller keeps it alive); null restores the default.
void UseRegistryBackend(RegistryBackend* backend);
