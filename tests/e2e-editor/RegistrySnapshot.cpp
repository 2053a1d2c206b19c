#include "RegistrySnapshot.h"

#include <vector>

namespace {

// Closes a registry key when it goes.
class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    HKEY* Out() noexcept { return &key_; }
    HKEY Get() const noexcept { return key_; }

private:
    HKEY key_ = nullptr;
};

void Read(HKEY key, RegistrySnapshot::Key& image) {
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<char> name(maxName + 2);
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength) != ERROR_SUCCESS)
            continue;
        image.values[std::string(name.data(), nameLength)] =
            RegistrySnapshot::Value{type, std::string(reinterpret_cast<const char*>(data.data()), dataLength)};
    }
    std::vector<char> subName(maxSubkey + 2);
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD length = static_cast<DWORD>(subName.size());
        if (RegEnumKeyExA(key, i, subName.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
        std::string sub(subName.data(), length);
        OpenKey child;
        if (RegOpenKeyExA(key, sub.c_str(), 0, KEY_READ, child.Out()) != ERROR_SUCCESS) continue;
        Read(child.Get(), image.subkeys[sub]);
    }
}

void Write(HKEY parent, const std::string& name, const RegistrySnapshot::Key& image) {
    OpenKey key;
    if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Out(), nullptr) !=
        ERROR_SUCCESS)
        return;
    for (const auto& [valueName, value] : image.values)
        RegSetValueExA(key.Get(), valueName.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                       static_cast<DWORD>(value.data.size()));
    for (const auto& [subName, sub] : image.subkeys) Write(key.Get(), subName, sub);
}

void Describe(const RegistrySnapshot::Key& key, const std::string& indent, std::string& out) {
    for (const auto& [name, value] : key.values) {
        out += indent + name + " (" + std::to_string(value.type) + ") = ";
        for (unsigned char c : value.data) {
            if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
            else out += "\\x" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15];
        }
        out += '\n';
    }
    for (const auto& [name, sub] : key.subkeys) {
        out += indent + "[" + name + "]\n";
        Describe(sub, indent + "  ", out);
    }
}

}  // namespace

RegistrySnapshot RegistrySnapshot::Take(const std::string& path) {
    RegistrySnapshot snapshot;
    snapshot.path_ = path;
    OpenKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return snapshot;
    snapshot.exists_ = true;
    Read(key.Get(), snapshot.root_);
    return snapshot;
}

void RegistrySnapshot::Delete(const std::string& path) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());  // empties the key
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

void RegistrySnapshot::Restore() const {
    Delete(path_);
    if (exists_) Write(HKEY_CURRENT_USER, path_, root_);
}

std::string RegistrySnapshot::Describe() const {
    if (!exists_) return "(no key)\n";
    std::string out;
    ::Describe(root_, "", out);
    return out;
}
