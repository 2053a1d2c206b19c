#pragma once
// A hotkey table in memory: counts every call, and makes chosen atoms, registrations and
// unregistrations fail.
#include <map>
#include <set>
#include <utility>

#include "HotKeySystem.h"

class FakeHotKeySystem : public HotKeySystem {
public:
    using Chord = std::pair<unsigned, unsigned>;  // modifiers, virtual key

    std::uint16_t AddGlobalAtom(const AnsiString& name) override {
        ++adds;
        if (failAtoms.count(name) != 0) return 0;
        auto [it, inserted] = atoms.try_emplace(name, static_cast<std::uint16_t>(0xC000 + atoms.size()));
        (void)inserted;
        return it->second;
    }
    void DeleteGlobalAtom(std::uint16_t atom) override {
        deleted.insert(atom);
        ++deletes;
    }
    bool RegisterHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) override {
        ++registers;
        lastWindow = window;
        if (heldElsewhere.count({modifiers, virtualKey}) != 0 || held.count(id) != 0) return false;
        held[id] = {modifiers, virtualKey};
        return true;
    }
    bool UnregisterHotKey(Window window, int id) override {
        ++unregisters;
        lastWindow = window;
        if (stuck.count(id) != 0 || held.count(id) == 0) return false;
        held.erase(id);
        return true;
    }

    int Calls() const { return registers + unregisters; }
    void ResetCounts() { adds = deletes = registers = unregisters = 0; }

    // Faults.
    std::set<AnsiString> failAtoms;
    std::set<Chord> heldElsewhere;
    std::set<int> stuck;  // ids whose unregistration fails

    // State and counts.
    std::map<AnsiString, std::uint16_t> atoms;
    std::map<int, Chord> held;
    std::multiset<std::uint16_t> deleted;
    int adds = 0, deletes = 0, registers = 0, unregisters = 0;
    Window lastWindow = 0;
};
