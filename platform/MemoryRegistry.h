#pragma once
// A registry in memory with the semantics of the system's: key and value names compare without
// regard to ASCII case, keys open by handle, deletion takes a key's whole tree. Tests can make a
// key impossible to open, a value impossible to write or read, and a key impossible to delete.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "RegistryBackend.h"

class MemoryRegistry : public RegistryBackend {
public:
    struct Value {
        std::uint32_t type = kRegNone;
        std::string data;
        bool operator==(const Value&) const = default;
    };

    MemoryRegistry();
    ~MemoryRegistry() override;

    Key RootKey() override { return kRoot; }
    bool OpenKey(Key parent, const AnsiString& name, bool create, Key& result) override;
    void CloseKey(Key key) override;
    Query QueryValue(Key key, const AnsiString& name, std::uint32_t& type, std::string& data) override;
    bool SetValue(Key key, const AnsiString& name, std::uint32_t type, const std::string& data) override;
    bool DeleteTree(Key parent, const AnsiString& name) override;

    // Direct access for tests; paths are relative to the root, components joined by backslashes.
    bool KeyExists(const AnsiString& path) const;
    void Put(const AnsiString& path, const AnsiString& name, std::uint32_t type, const std::string& data);
    std::optional<Value> Get(const AnsiString& path, const AnsiString& name) const;
    std::vector<AnsiString> SubkeyNames(const AnsiString& path) const;
    std::vector<AnsiString> ValueNames(const AnsiString& path) const;

    // Faults: the key at `path` cannot be opened or created; the value cannot be written or read;
    // the key at `path` cannot be deleted.
    void FailOpen(const AnsiString& path) { failOpen_.insert(Fold(path)); }
    void FailWrite(const AnsiString& path, const AnsiString& name) { failWrite_.insert(Fold(path + "\\" + name)); }
    void FailRead(const AnsiString& path, const AnsiString& name) { failRead_.insert(Fold(path + "\\" + name)); }
    void FailDelete(const AnsiString& path) { failDelete_.insert(Fold(path)); }

    // Number of keys that OpenKey has opened so far, and of keys open now.
    long OpenCount() const noexcept { return opens_; }
    std::size_t OpenHandles() const noexcept { return handles_.size(); }

private:
    struct Less {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Node {
        std::map<std::string, std::unique_ptr<Node>, Less> keys;
        std::map<std::string, Value, Less> values;
    };
    static constexpr Key kRoot = 1;

    static std::string Fold(const std::string& text);
    static std::vector<std::string> Split(const AnsiString& path);
    static std::string Join(const std::vector<std::string>& parts);
    const Node* Find(const std::vector<std::string>& path) const;
    Node* Find(const std::vector<std::string>& path);
    const std::vector<std::string>* PathOf(Key key) const;

    Node root_;
    std::map<Key, std::vector<std::string>> handles_;  // an open key remembers its path
    Key next_ = kRoot + 1;
    long opens_ = 0;
    std::set<std::string> failOpen_, failWrite_, failRead_, failDelete_;
};
