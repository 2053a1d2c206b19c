#include "TList.h"

#include "Exception.h"

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void* TList::Get(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
}

int TList::Add(void* item) {
    items_.push_back(item);
    return Count() - 1;
}

void TList::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

int TList::IndexOf(const void* item) const noexcept {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == item) return static_cast<int>(i);
    return -1;
}
