#include "HotKeyList.h"

#include "MoxRegistrySerializable.h"

namespace {
// Entries of a serializable list point to the records' serializable base.
void* EntryOf(HotKey* hotKey) { return static_cast<MoxRegistrySerializable*>(hotKey); }
const HotKey* RecordOf(void* entry) {
    return dynamic_cast<const HotKey*>(static_cast<MoxRegistrySerializable*>(entry));
}
}  // namespace

HotKeyList::HotKeyList() = default;

HotKeyList::HotKeyList(const TList* source) {
    if (source == nullptr) return;
    for (int i = 0; i < source->Count(); ++i)
        if (const HotKey* record = RecordOf(source->Get(i))) Store(new HotKey(record));
}

HotKeyList::~HotKeyList() { DeleteAll(); }

void HotKeyList::DeleteAll() { DeleteAllItems(); }

HotKey* HotKeyList::GetHotKey(int index) const {
    return static_cast<HotKey*>(static_cast<MoxRegistrySerializable*>(Get(index)));
}

void HotKeyList::Store(HotKey* hotKey) {
    if (hotKey == nullptr) return;
    // Storing a record the list holds: take its entry out first, so that it is neither destroyed
    // as its own predecessor nor left in the list twice.
    if (const int held = TList::IndexOf(EntryOf(hotKey)); held >= 0) Delete(held);
    if (const int index = IndexOf(hotKey); index >= 0) {
        HotKey* old = GetHotKey(index);
        Delete(index);
        delete old;
    }
    if (hotKey->IsEmptyDefinition())
        delete hotKey;
    else
        Add(EntryOf(hotKey));
}

int HotKeyList::IndexOf(char key, bool ctrl, bool alt, bool shift) const {
    for (int i = 0; i < Count(); ++i) {
        const HotKey* record = GetHotKey(i);
        if (record->GetKey() == key && record->GetCtrl() == ctrl && record->GetAlt() == alt &&
            record->GetShift() == shift)
            return i;
    }
    return -1;
}

HotKey* HotKeyList::Find(char key, bool ctrl, bool alt, bool shift) const {
    const int index = IndexOf(key, ctrl, alt, shift);
    return index >= 0 ? GetHotKey(index) : nullptr;
}

int HotKeyList::IndexOf(const HotKey* hotKey) const {
    return hotKey == nullptr ? -1 : IndexOf(hotKey->GetKey(), hotKey->GetCtrl(), hotKey->GetAlt(), hotKey->GetShift());
}

HotKey* HotKeyList::Find(const HotKey* hotKey) const {
    const int index = IndexOf(hotKey);
    return index >= 0 ? GetHotKey(index) : nullptr;
}

int HotKeyList::CreateNewItem() { return AddItem(new HotKey()); }
