#pragma once
// A byte-for-byte image of one key of HKEY_CURRENT_USER with everything below it, to compare
// the registry before and after a run and to put it back afterwards.
#include <windows.h>

#include <map>
#include <string>

class RegistrySnapshot {
public:
    struct Value {
        DWORD type = 0;
        std::string data;
        bool operator==(const Value&) const = default;
    };
    struct Key {
        std::map<std::string, Value> values;
        std::map<std::string, Key> subkeys;
        bool operator==(const Key&) const = default;
    };

    // The key at `path` as it is now; a missing key gives an image that says so.
    static RegistrySnapshot Take(const std::string& path);
    // Makes the registry at the path equal to this image (deleting it when it did not exist).
    void Restore() const;
    // Deletes the key at `path` with everything below it.
    static void Delete(const std::string& path);

    bool Exists() const noexcept { return exists_; }
    const Key& Root() const noexcept { return root_; }
    // A readable listing, for failure messages.
    std::string Describe() const;

    bool operator==(const RegistrySnapshot&) const = default;

private:
    std::string path_;
    bool exists_ = false;
    Key root_;
};
