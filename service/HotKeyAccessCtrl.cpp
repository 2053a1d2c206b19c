#include "HotKeyAccessCtrl.h"

#include "HotKeyList.h"

template <class F>
void HotKeyAccessCtrl::ForEachCombination(F f) {
    for (const bool ctrl : {false, true})
        for (const bool alt : {false, true})
            for (const bool shift : {false, true})
                for (char key = 'A'; key <= 'Z'; ++key) f(key, ctrl, alt, shift);
}

HotKeyAccessCtrl::HotKeyAccessCtrl(Window window, const AnsiString& baseName, HotKeySystem& system)
    : window(window), baseName(baseName), system(system) {
    ForEachCombination([this](char key, bool ctrl, bool alt, bool shift) {
        const int slot = SlotOf(key, ctrl, alt, shift);
        registered[slot] = false;
        atoms[slot] = this->system.AddGlobalAtom(AtomName(key, ctrl, alt, shift));
        if (atoms[slot] == 0) {
            available[slot] = false;
            return;
        }
        if (RegisterKey(key, ctrl, alt, shift)) UnregisterKey(key, ctrl, alt, shift);
    });
}

HotKeyAccessCtrl::~HotKeyAccessCtrl() {
    UnregisterAll();
    for (std::uint16_t& atom : atoms) {
        // An atom that was never added has nothing to release.
        if (atom != 0) system.DeleteGlobalAtom(atom);
        atom = 0;
    }
}

int HotKeyAccessCtrl::SlotOf(char key, bool ctrl, bool alt, bool shift) {
    const int index = (key >= 'a' && key <= 'z') ? key - 'a' : key - 'A';
    if (index < 0 || index > 25) return -1;
    return index + (ctrl ? 26 : 0) + (alt ? 52 : 0) + (shift ? 104 : 0);
}

AnsiString HotKeyAccessCtrl::AtomName(char key, bool ctrl, bool alt, bool shift) const {
    AnsiString name = baseName + "_" + AnsiString(1, key);
    if (ctrl) name += "_ctrl";
    if (alt) name += "_alt";
    if (shift) name += "_shift";
    return name;
}

unsigned HotKeyAccessCtrl::ModifiersOf(bool ctrl, bool alt, bool shift) {
    return kModWin | (ctrl ? kModControl : 0) | (alt ? kModAlt : 0) | (shift ? kModShift : 0);
}

bool HotKeyAccessCtrl::RegisterKey(char key, bool ctrl, bool alt, bool shift) {
    const int slot = SlotOf(key, ctrl, alt, shift);
    if (!Valid(slot)) return false;
    if (registered[slot]) return true;
    // Without an atom there is no id to register under.
    if (atoms[slot] == 0) {
        available[slot] = false;
        return false;
    }
    const unsigned virtualKey = static_cast<unsigned char>(key);
    if (system.RegisterHotKey(window, atoms[slot], ModifiersOf(ctrl, alt, shift), virtualKey)) {
        registered[slot] = true;
        available[slot] = true;
        return true;
    }
    available[slot] = false;
    return false;
}

bool HotKeyAccessCtrl::UnregisterKey(char key, bool ctrl, bool alt, bool shift) {
    const int slot = SlotOf(key, ctrl, alt, shift);
    if (!Valid(slot)) return false;
    if (!registered[slot]) return true;
    if (system.UnregisterHotKey(window, atoms[slot])) {
        registered[slot] = false;
        available[slot] = true;
        return true;
    }
    available[slot] = false;
    return false;
}

bool HotKeyAccessCtrl::IsRegistered(char key, bool ctrl, bool alt, bool shift) const {
    const int slot = SlotOf(key, ctrl, alt, shift);
    return Valid(slot) && registered[slot];
}

bool HotKeyAccessCtrl::IsRegistered(const HotKey& hotKey) const {
    return IsRegistered(hotKey.GetKey(), hotKey.GetCtrl(), hotKey.GetAlt(), hotKey.GetShift());
}

bool HotKeyAccessCtrl::IsAvailable(char key, bool ctrl, bool alt, bool shift) const {
    const int slot = SlotOf(key, ctrl, alt, shift);
    return Valid(slot) && available[slot];
}

bool HotKeyAccessCtrl::IsAvailable(const HotKey& hotKey) const {
    return IsAvailable(hotKey.GetKey(), hotKey.GetCtrl(), hotKey.GetAlt(), hotKey.GetShift());
}

std::uint16_t HotKeyAccessCtrl::AtomOf(char key, bool ctrl, bool alt, bool shift) const {
    const int slot = SlotOf(key, ctrl, alt, shift);
    return Valid(slot) ? atoms[slot] : 0;
}

bool HotKeyAccessCtrl::SyncWith(const HotKeyList& list) {
    bool result = true;
    ForEachCombination([&](char key, bool ctrl, bool alt, bool shift) {
        const int slot = SlotOf(key, ctrl, alt, shift);
        if (list.Find(key, ctrl, alt, shift) != nullptr) {
            if (available[slot] && !registered[slot] && !RegisterKey(key, ctrl, alt, shift)) result = false;
        } else if (registered[slot] && !UnregisterKey(key, ctrl, alt, shift)) {
            result = false;
        }
    });
    return result;
}

bool HotKeyAccessCtrl::UnregisterAll() {
    bool result = true;
    ForEachCombination([&](char key, bool ctrl, bool alt, bool shift) {
        if (registered[SlotOf(key, ctrl, alt, shift)] && !UnregisterKey(key, ctrl, alt, shift)) result = false;
    });
    return result;
}
