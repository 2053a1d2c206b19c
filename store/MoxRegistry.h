#pragma once
// A registry accessor that opens a key path component by component, creating what is missing,
// and remembers the path it opened, so that a second accessor can open a subkey of it.
#include "AnsiString.h"
#include "TRegistry.h"

class MoxRegistry : public TRegistry {
public:
    // Nothing opened; the path is empty.
    MoxRegistry();
    // Opens parent's path joined with subKey by a backslash (parent's path alone when subKey is
    // empty). Opens nothing when parent is null or has no path.
    MoxRegistry(MoxRegistry* parent, const AnsiString& subKey);
    // Opens other's path; nothing when other is null or has no path.
    explicit MoxRegistry(MoxRegistry* other);

    // Opens the key path, creating every missing component; empty components (leading, doubled or
    // trailing backslashes) are skipped. On success the path is remembered as given and the result
    // is true; on failure no key is open and the remembered path stays as it was.
    bool OpenPath(const AnsiString& path);
    AnsiString GetPath() const { return path_; }

private:
    AnsiString path_;
};
