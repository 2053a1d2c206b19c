#pragma once
// An ordered list of ANSI strings.
#include <vector>

#include "AnsiString.h"
#include "Exception.h"

class TStringList {
public:
    int Count() const noexcept { return static_cast<int>(items_.size()); }
    int Add(AnsiString s) {
        items_.push_back(std::move(s));
        return Count() - 1;
    }
    // The string at index; raises EListError when index is outside the list.
    const AnsiString& Strings(int index) const {
        if (index < 0 || index >= Count())
            throw EListError("List index out of bounds (" + std::to_string(index) + ")");
        return items_[static_cast<size_t>(index)];
    }
    void Clear() noexcept { items_.clear(); }

private:
    std::vector<AnsiString> items_;
};
