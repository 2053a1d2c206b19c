#pragma once
// A list of untyped pointers. It never owns what its entries point to.
#include <vector>

class TList {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    virtual ~TList() = default;

    int Count() const noexcept { return static_cast<int>(items_.size()); }
    // The entry at index; raises EListError when index is outside 0 .. Count() - 1.
    void* Get(int index) const;
    // Appends the pointer and returns its index.
    int Add(void* item);
    // Removes the entry at index; raises EListError when index is outside the list.
    void Delete(int index);
    // Index of the first entry equal to item, or -1.
    int IndexOf(const void* item) const noexcept;
    // Removes every entry.
    void Clear() noexcept { items_.clear(); }

private:
    void CheckIndex(int index) const;
    std::vector<void*> items_;
};
