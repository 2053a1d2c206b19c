#include "MoxRegistry.h"

#include "MultiByte.h"

MoxRegistry::MoxRegistry() = default;

MoxRegistry::MoxRegistry(MoxRegistry* parent, const AnsiString& subKey) {
    const AnsiString base = parent != nullptr ? parent->GetPath() : AnsiString();
    if (base.empty()) return;
    OpenPath(subKey.empty() ? base : base + "\\" + subKey);
}

MoxRegistry::MoxRegistry(MoxRegistry* other) {
    if (other != nullptr && !other->GetPath().empty()) OpenPath(other->GetPath());
}

bool MoxRegistry::OpenPath(const AnsiString& path) {
    AnsiString rest = path;
    while (!rest.empty()) {
        const auto at = FindAnsiBackslash(rest);
        const AnsiString component = rest.substr(0, at);
        rest = at == AnsiString::npos ? AnsiString() : rest.substr(at + 1);
        if (!component.empty() && !OpenKey(component, /*canCreate=*/true)) {
            CloseKey();
            return false;
        }
    }
    path_ = path;
    return true;
}
