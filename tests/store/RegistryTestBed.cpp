#include "RegistryTestBed.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <atomic>
#endif

RawValue Dword(std::uint32_t value) {
    std::string data(4, '\0');
    std::memcpy(data.data(), &value, 4);
    return RawValue{kRegDword, data};
}

RawValue Sz(const std::string& bytes) { return RawValue{kRegSz, bytes}; }

void RegistryTestBed::PutDword(const AnsiString& sub, const AnsiString& name, std::uint32_t value) {
    Put(sub, name, kRegDword, Dword(value).data);
}

void RegistryTestBed::PutString(const AnsiString& sub, const AnsiString& name, const std::string& value,
                                std::uint32_t type) {
    Put(sub, name, type, value);
}

MemoryTestBed::MemoryTestBed() { UseRegistryBackend(&registry); }
MemoryTestBed::~MemoryTestBed() { UseRegistryBackend(nullptr); }

void MemoryTestBed::Put(const AnsiString& sub, const AnsiString& name, std::uint32_t type, const std::string& data) {
    registry.Put(Path(sub), name, type, data);
}
std::optional<RawValue> MemoryTestBed::Get(const AnsiString& sub, const AnsiString& name) const {
    return registry.Get(Path(sub), name);
}
bool MemoryTestBed::KeyExists(const AnsiString& sub) const { return registry.KeyExists(Path(sub)); }
std::vector<AnsiString> MemoryTestBed::Subkeys(const AnsiString& sub) const {
    auto names = registry.SubkeyNames(Path(sub));
    std::sort(names.begin(), names.end());
    return names;
}
std::vector<AnsiString> MemoryTestBed::Values(const AnsiString& sub) const {
    auto names = registry.ValueNames(Path(sub));
    std::sort(names.begin(), names.end());
    return names;
}

#ifdef _WIN32
namespace {
// The system's registry below HKCU\Software\TavrexTest\<process>_<n>, read and written with the
// plain API so that the store's own access code is not what checks itself.
class SystemTestBed : public RegistryTestBed {
public:
    SystemTestBed() {
        static std::atomic<int> counter{0};
        base_ = "Software\\TavrexTest\\" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
        UseRegistryBackend(nullptr);
    }
    ~SystemTestBed() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavrexTest");  // only succeeds once empty
    }
    AnsiString Base() const override { return base_; }

    void Put(const AnsiString& sub, const AnsiString& name, std::uint32_t type, const std::string& data) override {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // Reads through the wide API, which returns exactly the stored bytes (the ANSI one may add a
    // NUL that is not stored); strings are turned back into the ANSI code page.
    std::optional<RawValue> Get(const AnsiString& sub, const AnsiString& name) const override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
        const std::wstring wideName = Widen(name);
        DWORD type = 0, size = 0;
        std::optional<RawValue> result;
        if (RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::string data(size, '\0');
            if (RegQueryValueExW(key, wideName.c_str(), nullptr, &type,
                                 size ? reinterpret_cast<BYTE*>(data.data()) : nullptr, &size) == ERROR_SUCCESS) {
                data.resize(size);
                if (type == REG_SZ || type == REG_EXPAND_SZ) data = Narrow(data);
                result = RawValue{type, data};
            }
        }
        RegCloseKey(key);
        return result;
    }
    bool KeyExists(const AnsiString& sub) const override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    std::vector<AnsiString> Subkeys(const AnsiString& sub) const override {
        return Enumerate(sub, [](HKEY key, DWORD index, char* name, DWORD* length) {
            return RegEnumKeyExA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
        });
    }
    std::vector<AnsiString> Values(const AnsiString& sub) const override {
        return Enumerate(sub, [](HKEY key, DWORD index, char* name, DWORD* length) {
            return RegEnumValueA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
        });
    }

private:
    static std::wstring Widen(const std::string& text) {
        const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::wstring out(static_cast<size_t>(n), L'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
        return out;
    }
    // UTF-16 bytes as stored to ANSI bytes, keeping every character (a stored NUL too).
    static std::string Narrow(const std::string& bytes) {
        const int chars = static_cast<int>(bytes.size() / 2);
        const auto* wide = reinterpret_cast<const wchar_t*>(bytes.data());
        const int n = WideCharToMultiByte(CP_ACP, 0, wide, chars, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<size_t>(n), '\0');
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, chars, out.data(), n, nullptr, nullptr);
        return out;
    }

    template <class Enum>
    std::vector<AnsiString> Enumerate(const AnsiString& sub, Enum enumerate) const {
        std::vector<AnsiString> names;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
        for (DWORD i = 0;; ++i) {
            char name[16384];
            DWORD length = sizeof name;
            if (enumerate(key, i, name, &length) != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        RegCloseKey(key);
        std::sort(names.begin(), names.end());
        return names;
    }

    AnsiString base_;
};
}  // namespace
#endif

std::vector<std::string> TestBedKinds() {
#ifdef _WIN32
    return {"Memory", "System"};
#else
    return {"Memory"};
#endif
}

std::unique_ptr<RegistryTestBed> MakeTestBed(const std::string& kind) {
#ifdef _WIN32
    if (kind == "System") return std::make_unique<SystemTestBed>();
#endif
    (void)kind;
    return std::make_unique<MemoryTestBed>();
}
