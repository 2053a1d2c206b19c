#pragma once
// The system's registry: HKEY_CURRENT_USER and the keys below it.
#include "../RegistryBackend.h"

class Win32Registry : public RegistryBackend {
public:
    Key RootKey() override;
    bool OpenKey(Key parent, const AnsiString& name, bool create, Key& result) override;
    void CloseKey(Key key) override;
    Query QueryValue(Key key, const AnsiString& name, std::uint32_t& type, std::string& data) override;
    bool SetValue(Key key, const AnsiString& name, std::uint32_t type, const std::string& data) override;
    bool DeleteTree(Key parent, const AnsiString& name) override;
};
