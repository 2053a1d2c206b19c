#pragma once
// The definitions of one user, in order: at most one per combination once they have passed
// through Store. The list owns its records.
#include "HotKey.h"
#include "MoxRegistrySerializableList.h"

class HotKeyList : public MoxRegistrySerializableList {
public:
    HotKeyList();
    // A deep copy of source (whose entries are HotKey records) made record by record through
    // Store: the last record of a combination wins, empty definitions drop out. Null gives an
    // empty list; source is not changed.
    explicit HotKeyList(const TList* source);
    ~HotKeyList() override;

    void DeleteAll();
    // The record at index; an index outside the list raises EListError. The record stays the list's.
    HotKey* GetHotKey(int index) const;
    // Takes the record over: it replaces the combination's record, which is destroyed, and goes to
    // the end of the list; an empty definition only removes the combination's record and is
    // destroyed itself. A record that the list already holds is stored again in the same way.
    // Null does nothing.
    void Store(HotKey* hotKey);
    // The first record of the combination, the letter compared exactly; -1 or null when none.
    int IndexOf(char key, bool ctrl, bool alt, bool shift) const;
    HotKey* Find(char key, bool ctrl, bool alt, bool shift) const;
    int IndexOf(const HotKey* hotKey) const;
    HotKey* Find(const HotKey* hotKey) const;

    int CreateNewItem() override;
};
