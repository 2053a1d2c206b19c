#pragma once
// A list of serializable records stored as a "Count" value plus one numbered subkey per item
// (prefix_0, prefix_1, ...). The base list does not destroy its items.
#include "AnsiString.h"
#include "TList.h"

class MoxRegistry;
class MoxRegistrySerializable;

class MoxRegistrySerializableList : public TList {
public:
    // A stored count above this is taken as this many: no real list comes near it, and a corrupt
    // count must not make a load or a save visit billions of keys.
    static constexpr int kMaxStoredCount = 1024;

    // Writes "Count" and every item; item keys from the new count up to the old one are deleted.
    // An error writing "Count" is raised to the caller; an item's errors are dropped.
    void SaveToRegistry(const AnsiString& prefix, MoxRegistry* registry);
    // Fills the list from "Count" and the item keys; an item whose load raises is left out.
    // The list's entries are removed first, without destroying what they point to.
    void LoadFromRegistry(const AnsiString& prefix, MoxRegistry* registry);

    // The item at index, or null when index is not below Count(); a negative index raises EListError.
    MoxRegistrySerializable* GetItem(int index) const;
    int AddItem(MoxRegistrySerializable* item);
    // Removes and destroys every item.
    void DeleteAllItems();
    // Appends one new item with default contents and returns its index.
    virtual int CreateNewItem() = 0;

    // The name of an item key: prefix, "_" and the decimal index.
    static AnsiString ItemName(const AnsiString& prefix, int index);
};
