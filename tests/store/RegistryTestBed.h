#pragma once
// A registry for store tests to work in: the in-memory registry, or (on Windows) the system's
// registry under a throwaway key of HKEY_CURRENT_USER that is removed afterwards. Tests read and
// write raw values through the bed, and the store through TRegistry, which the bed points at the
// same registry.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MemoryRegistry.h"

using RawValue = MemoryRegistry::Value;

class RegistryTestBed {
public:
    virtual ~RegistryTestBed() = default;
    // The key the test owns, relative to HKEY_CURRENT_USER.
    virtual AnsiString Base() const = 0;
    // Raw access by path relative to Base(); Put creates missing keys.
    virtual void Put(const AnsiString& sub, const AnsiString& name, std::uint32_t type, const std::string& data) = 0;
    virtual std::optional<RawValue> Get(const AnsiString& sub, const AnsiString& name) const = 0;
    virtual bool KeyExists(const AnsiString& sub) const = 0;
    // Subkey names, sorted.
    virtual std::vector<AnsiString> Subkeys(const AnsiString& sub) const = 0;
    virtual std::vector<AnsiString> Values(const AnsiString& sub) const = 0;

    AnsiString Path(const AnsiString& sub) const { return sub.empty() ? Base() : Base() + "\\" + sub; }
    void PutDword(const AnsiString& sub, const AnsiString& name, std::uint32_t value);
    void PutString(const AnsiString& sub, const AnsiString& name, const std::string& value,
                   std::uint32_t type = kRegSz);
};

// "Memory" everywhere, and "System" on Windows.
std::vector<std::string> TestBedKinds();
std::unique_ptr<RegistryTestBed> MakeTestBed(const std::string& kind);

RawValue Dword(std::uint32_t value);
RawValue Sz(const std::string& bytes);

// The in-memory bed, for tests that inject faults.
class MemoryTestBed : public RegistryTestBed {
public:
    MemoryTestBed();
    ~MemoryTestBed() override;
    AnsiString Base() const override { return "Software\\TavrexTest"; }
    void Put(const AnsiString& sub, const AnsiString& name, std::uint32_t type, const std::string& data) override;
    std::optional<RawValue> Get(const AnsiString& sub, const AnsiString& name) const override;
    bool KeyExists(const AnsiString& sub) const override;
    std::vector<AnsiString> Subkeys(const AnsiString& sub) const override;
    std::vector<AnsiString> Values(const AnsiString& sub) const override;

    MemoryRegistry registry;
};

// Parameterised store tests run once per bed kind.
class RegistryTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { bed = MakeTestBed(GetParam()); }
    void TearDown() override { bed.reset(); }
    std::unique_ptr<RegistryTestBed> bed;
};

#define INSTANTIATE_FOR_EVERY_REGISTRY(suite)                                                      \
    INSTANTIATE_TEST_SUITE_P(Registry, suite, ::testing::ValuesIn(TestBedKinds()),                 \
                             [](const ::testing::TestParamInfo<std::string>& info) { return info.param; })
