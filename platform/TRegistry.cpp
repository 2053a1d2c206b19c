#include "TRegistry.h"

#include <cstring>

#include "Exception.h"

TRegistry::TRegistry() : backend_(CurrentRegistryBackend()) {}

TRegistry::~TRegistry() { CloseKey(); }

bool TRegistry::OpenKey(const AnsiString& name, bool canCreate) {
    RegistryBackend::Key opened = 0;
    if (!backend_.OpenKey(Base(), name, canCreate, opened)) return false;
    CloseKey();
    current_ = opened;
    return true;
}

void TRegistry::CloseKey() {
    if (current_ != 0) backend_.CloseKey(current_);
    current_ = 0;
}

int TRegistry::ReadInteger(const AnsiString& name) {
    std::uint32_t type = kRegNone;
    std::string data;
    if (current_ == 0 || backend_.QueryValue(current_, name, type, data) != RegistryBackend::Query::Found)
        throw ERegistryException("Failed to get data for '" + name + "'");
    if (type != kRegDword || data.size() != 4)
        throw ERegistryException("Invalid data type for '" + name + "'");
    std::uint32_t value = 0;
    std::memcpy(&value, data.data(), 4);  // little-endian, as the registry stores it
    return static_cast<int>(value);
}

void TRegistry::WriteInteger(const AnsiString& name, int value) {
    const auto raw = static_cast<std::uint32_t>(value);
    std::string data(4, '\0');
    std::memcpy(data.data(), &raw, 4);
    if (current_ == 0 || !backend_.SetValue(current_, name, kRegDword, data))
        throw ERegistryException("Failed to set data for '" + name + "'");
}

AnsiString TRegistry::ReadString(const AnsiString& name) {
    std::uint32_t type = kRegNone;
    std::string data;
    if (current_ == 0) return {};  // no key open: nothing to read
    switch (backend_.QueryValue(current_, name, type, data)) {
    case RegistryBackend::Query::Missing:
        return {};
    case RegistryBackend::Query::Failed:
        throw ERegistryException("Failed to get data for '" + name + "'");
    case RegistryBackend::Query::Found:
        break;
    }
    if (type != kRegSz && type != kRegExpandSz)
        throw ERegistryException("Invalid data type for '" + name + "'");
    const auto nul = data.find('\0');
    if (nul != std::string::npos) data.resize(nul);
    return data;
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
    if (current_ == 0 || !backend_.SetValue(current_, name, kRegSz, value))
        throw ERegistryException("Failed to set data for '" + name + "'");
}

// With no key open nothing is deleted: a stray call must never reach the root key's subkeys.
bool TRegistry::DeleteKey(const AnsiString& name) {
    return current_ != 0 && !name.empty() && backend_.DeleteTree(current_, name);
}
