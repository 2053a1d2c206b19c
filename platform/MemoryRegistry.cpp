#include "MemoryRegistry.h"

#include "MultiByte.h"

MemoryRegistry::MemoryRegistry() = default;
MemoryRegistry::~MemoryRegistry() = default;

// Upper-cases ASCII letters, but never the trail byte of a double-byte character.
std::string MemoryRegistry::Fold(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (IsAnsiLeadByte(byte)) {
            ++i;
        } else if (byte >= 'a' && byte <= 'z') {
            out[i] = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return out;
}

bool MemoryRegistry::Less::operator()(const std::string& a, const std::string& b) const {
    return Fold(a) < Fold(b);
}

std::vector<std::string> MemoryRegistry::Split(const AnsiString& path) {
    std::vector<std::string> parts;
    AnsiString rest = path;
    while (!rest.empty()) {
        const auto at = FindAnsiBackslash(rest);
        const AnsiString part = rest.substr(0, at);
        rest = at == AnsiString::npos ? AnsiString() : rest.substr(at + 1);
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

std::string MemoryRegistry::Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& part : parts) out += (out.empty() ? "" : "\\") + part;
    return out;
}

const MemoryRegistry::Node* MemoryRegistry::Find(const std::vector<std::string>& path) const {
    const Node* node = &root_;
    for (const auto& part : path) {
        const auto it = node->keys.find(part);
        if (it == node->keys.end()) return nullptr;
        node = it->second.get();
    }
    return node;
}

MemoryRegistry::Node* MemoryRegistry::Find(const std::vector<std::string>& path) {
    return const_cast<Node*>(static_cast<const MemoryRegistry*>(this)->Find(path));
}

const std::vector<std::string>* MemoryRegistry::PathOf(Key key) const {
    static const std::vector<std::string> rootPath;
    if (key == kRoot) return &rootPath;
    const auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

bool MemoryRegistry::OpenKey(Key parent, const AnsiString& name, bool create, Key& result) {
    const auto* base = PathOf(parent);
    if (base == nullptr || Find(*base) == nullptr) return false;  // closed or deleted meanwhile
    std::vector<std::string> path = *base;
    Node* node = Find(path);
    for (const auto& part : Split(name)) {
        path.push_back(part);
        if (failOpen_.count(Fold(Join(path)))) return false;
        auto& child = node->keys[part];
        if (!child) {
            if (!create) {
                node->keys.erase(part);
                return false;
            }
            child = std::make_unique<Node>();
        }
        node = child.get();
    }
    result = next_++;
    handles_[result] = path;
    ++opens_;
    return true;
}

void MemoryRegistry::CloseKey(Key key) { handles_.erase(key); }

RegistryBackend::Query MemoryRegistry::QueryValue(Key key, const AnsiString& name, std::uint32_t& type,
                                                  std::string& data) {
    const auto* path = PathOf(key);
    const Node* node = path ? Find(*path) : nullptr;
    if (node == nullptr) return Query::Failed;
    if (failRead_.count(Fold(Join(*path) + "\\" + name))) return Query::Failed;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return Query::Missing;
    type = it->second.type;
    data = it->second.data;
    return Query::Found;
}

bool MemoryRegistry::SetValue(Key key, const AnsiString& name, std::uint32_t type, const std::string& data) {
    const auto* path = PathOf(key);
    Node* node = path ? Find(*path) : nullptr;
    if (node == nullptr) return false;
    if (failWrite_.count(Fold(Join(*path) + "\\" + name))) return false;
    node->values[name] = Value{type, data};
    return true;
}

bool MemoryRegistry::DeleteTree(Key parent, const AnsiString& name) {
    const auto* base = PathOf(parent);
    if (base == nullptr) return false;
    std::vector<std::string> path = *base;
    for (const auto& part : Split(name)) path.push_back(part);
    if (path.size() == base->size()) return false;  // never the key itself
    if (failDelete_.count(Fold(Join(path)))) return false;
    const std::string leaf = path.back();
    path.pop_back();
    Node* owner = Find(path);
    return owner != nullptr && owner->keys.erase(leaf) == 1;
}

bool MemoryRegistry::KeyExists(const AnsiString& path) const { return Find(Split(path)) != nullptr; }

void MemoryRegistry::Put(const AnsiString& path, const AnsiString& name, std::uint32_t type,
                         const std::string& data) {
    Node* node = &root_;
    for (const auto& part : Split(path)) {
        auto& child = node->keys[part];
        if (!child) child = std::make_unique<Node>();
        node = child.get();
    }
    node->values[name] = Value{type, data};
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(const AnsiString& path, const AnsiString& name) const {
    const Node* node = Find(Split(path));
    if (node == nullptr) return std::nullopt;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return std::nullopt;
    return it->second;
}

std::vector<AnsiString> MemoryRegistry::SubkeyNames(const AnsiString& path) const {
    std::vector<AnsiString> names;
    if (const Node* node = Find(Split(path)))
        for (const auto& [name, child] : node->keys) names.push_back(name);
    return names;
}

std::vector<AnsiString> MemoryRegistry::ValueNames(const AnsiString& path) const {
    std::vector<AnsiString> names;
    if (const Node* node = Find(Split(path)))
        for (const auto& [name, value] : node->values) names.push_back(name);
    return names;
}
