#pragma once
// Access to the current user's registry: one key open at a time, below HKEY_CURRENT_USER.
// Keys are opened with full access; closing a key does not flush it.
#include "AnsiString.h"
#include "RegistryBackend.h"

class TRegistry {
public:
    TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    virtual ~TRegistry();

    // Opens `name` below the open key (below the root when none is open), creating it when
    // missing and `canCreate` is set. On success it becomes the open key; on failure nothing changes.
    bool OpenKey(const AnsiString& name, bool canCreate);
    // Closes the open key; afterwards no key is open.
    void CloseKey();
    bool HasCurrentKey() const noexcept { return current_ != 0; }

    // The REG_DWORD value; raises ERegistryException when it is missing, unreadable or of another type.
    int ReadInteger(const AnsiString& name);
    // Writes a REG_DWORD; raises ERegistryException on failure.
    void WriteInteger(const AnsiString& name, int value);
    bool ReadBool(const AnsiString& name) { return ReadInteger(name) != 0; }
    void WriteBool(const AnsiString& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    // A REG_SZ or REG_EXPAND_SZ value (not expanded), cut at its first NUL; empty when the value
    // is missing. Raises ERegistryException for another type or a failed read.
    AnsiString ReadString(const AnsiString& name);
    // Writes a REG_SZ of the string's bytes without a terminating NUL; raises on failure.
    void WriteString(const AnsiString& name, const AnsiString& value);
    // Value operations need an open key: without one, reads of integers and writes raise and
    // strings read as empty.
    // Deletes the subkey `name` of the open key with everything below it; false when it cannot
    // or when no key is open.
    bool DeleteKey(const AnsiString& name);

private:
    RegistryBackend::Key Base() { return current_ != 0 ? current_ : backend_.RootKey(); }

    RegistryBackend& backend_;
    RegistryBackend::Key current_ = 0;
};
