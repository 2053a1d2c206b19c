#include "Win32Registry.h"

#include <windows.h>

#include <limits>
#include <string>
#include <utility>

namespace {
HKEY ToHkey(RegistryBackend::Key key) { return reinterpret_cast<HKEY>(key); }
RegistryBackend::Key FromHkey(HKEY key) { return reinterpret_cast<RegistryBackend::Key>(key); }

// An open registry key that closes itself.
class ScopedKey {
public:
    ScopedKey() = default;
    explicit ScopedKey(HKEY key) : key_(key) {}
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    ~ScopedKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }
    HKEY* put() { return &key_; }

private:
    HKEY key_ = nullptr;
};

// Deletes `name` below `parent` with all its subkeys, deepest first.
bool DeleteKeyTree(HKEY parent, const char* name) {
    {
        ScopedKey key;
        if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return false;
        char child[256];  // key names are at most 255 characters
        for (;;) {
            DWORD length = sizeof child;
            const LONG rc = RegEnumKeyExA(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            if (rc != ERROR_SUCCESS || !DeleteKeyTree(key.get(), child)) return false;
        }
    }
    return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}
}  // namespace

RegistryBackend::Key Win32Registry::RootKey() { return FromHkey(HKEY_CURRENT_USER); }

bool Win32Registry::OpenKey(Key parent, const AnsiString& name, bool create, Key& result) {
    HKEY opened = nullptr;
    const LONG rc = create ? RegCreateKeyExA(ToHkey(parent), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &opened, nullptr)
                           : RegOpenKeyExA(ToHkey(parent), name.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (rc != ERROR_SUCCESS || opened == nullptr) return false;
    result = FromHkey(opened);
    return true;
}

void Win32Registry::CloseKey(Key key) {
    if (key != 0 && key != RootKey()) RegCloseKey(ToHkey(key));
}

RegistryBackend::Query Win32Registry::QueryValue(Key key, const AnsiString& name, std::uint32_t& type,
                                                 std::string& data) {
    // The value may grow between the two calls; ask again until the buffer fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD valueType = REG_NONE;
        DWORD size = 0;
        LONG rc = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, nullptr, &size);
        if (rc == ERROR_FILE_NOT_FOUND) return Query::Missing;
        if (rc != ERROR_SUCCESS) return Query::Failed;
        std::string buffer(size, '\0');
        DWORD got = size;
        rc = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType,
                              size != 0 ? reinterpret_cast<BYTE*>(buffer.data()) : nullptr, &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc == ERROR_FILE_NOT_FOUND) return Query::Missing;
        if (rc != ERROR_SUCCESS || got > size) return Query::Failed;
        buffer.resize(got);
        type = valueType;
        data = std::move(buffer);
        return Query::Found;
    }
    return Query::Failed;
}

bool Win32Registry::SetValue(Key key, const AnsiString& name, std::uint32_t type, const std::string& data) {
    if (data.size() >= std::numeric_limits<DWORD>::max()) return false;
    // The system adds a terminating NUL that the caller did not count whenever the byte after a
    // string's data is NUL; a non-NUL byte there keeps the data exactly as given.
    std::string buffer = data;
    buffer.push_back('\x01');
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(buffer.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteTree(Key parent, const AnsiString& name) {
    return !name.empty() && DeleteKeyTree(ToHkey(parent), name.c_str());
}
