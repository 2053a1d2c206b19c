#include "MoxRegistrySerializableList.h"

#include <algorithm>

#include "Exception.h"
#include "MoxRegistry.h"
#include "MoxRegistrySerializable.h"

namespace {
// The stored count, 0 when it is missing or unreadable, never above the bound.
int StoredCount(MoxRegistry* registry) {
    try {
        return std::clamp(registry->ReadInteger("Count"), 0, MoxRegistrySerializableList::kMaxStoredCount);
    } catch (const Exception&) {
        return 0;
    }
}
}  // namespace

AnsiString MoxRegistrySerializableList::ItemName(const AnsiString& prefix, int index) {
    return prefix + "_" + std::to_string(index);
}

MoxRegistrySerializable* MoxRegistrySerializableList::GetItem(int index) const {
    if (index >= Count()) return nullptr;
    return static_cast<MoxRegistrySerializable*>(Get(index));  // a negative index raises
}

int MoxRegistrySerializableList::AddItem(MoxRegistrySerializable* item) { return Add(item); }

void MoxRegistrySerializableList::DeleteAllItems() {
    while (Count() > 0) {
        MoxRegistrySerializable* item = GetItem(0);
        Delete(0);
        delete item;
    }
}

void MoxRegistrySerializableList::SaveToRegistry(const AnsiString& prefix, MoxRegistry* registry) {
    const int count = Count();
    const int old = StoredCount(registry);
    registry->WriteInteger("Count", count);
    for (int i = 0; i < count; ++i) {
        MoxRegistry item(registry, ItemName(prefix, i));
        try {
            GetItem(i)->SaveToRegistry(&item);
        } catch (const Exception&) {
            // The item keeps what it had not yet written; the others are still saved.
        }
    }
    for (int i = count; i < old; ++i) registry->DeleteKey(ItemName(prefix, i));
}

void MoxRegistrySerializableList::LoadFromRegistry(const AnsiString& prefix, MoxRegistry* registry) {
    const int count = StoredCount(registry);
    Clear();
    for (int i = 0; i < count; ++i) {
        MoxRegistry itemKey(registry, ItemName(prefix, i));
        const int index = CreateNewItem();
        MoxRegistrySerializable* item = GetItem(index);
        try {
            item->LoadFromRegistry(&itemKey);
        } catch (const Exception&) {
            Delete(index);
            delete item;
        }
    }
}
