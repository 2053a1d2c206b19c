#pragma once
// The service's hold on the system's hotkey table: the 208 combinations of the Windows key, any
// subset of Ctrl, Alt and Shift and a letter, each with a global atom as its hotkey id. The
// constructor probes which combinations are free; SyncWith then registers and unregisters so that
// exactly the defined free ones are held. A combination found taken is never tried again.
#include <array>
#include <cstdint>

#include "AnsiString.h"
#include "HotKeySystem.h"

class HotKey;
class HotKeyList;

class HotKeyAccessCtrl {
public:
    using Window = HotKeySystem::Window;
    static constexpr int kSlotCount = 26 * 8;

    // Adds the 208 atoms named after baseName and probes every combination by registering and at
    // once unregistering it on `window`. `system` must outlive this object.
    HotKeyAccessCtrl(Window window, const AnsiString& baseName, HotKeySystem& system);
    HotKeyAccessCtrl(const HotKeyAccessCtrl&) = delete;
    HotKeyAccessCtrl& operator=(const HotKeyAccessCtrl&) = delete;
    // Unregisters whatever is held, then deletes the atoms.
    ~HotKeyAccessCtrl();

    // letter index ('a'/'A' = 0 .. 'z'/'Z' = 25) + 26 Ctrl + 52 Alt + 104 Shift; -1 when the key
    // is no letter.
    static int SlotOf(char key, bool ctrl, bool alt, bool shift);
    // baseName "_" key, then "_ctrl", "_alt", "_shift" as set.
    AnsiString AtomName(char key, bool ctrl, bool alt, bool shift) const;

    // Registers the combination unless it is held already (true without a call). A failed
    // registration makes the slot unusable. A slot without an atom fails without a call.
    bool RegisterKey(char key, bool ctrl, bool alt, bool shift);
    // Unregisters the combination if it is held (true without a call when not). A failed
    // unregistration leaves the slot held but unusable ("stuck").
    bool UnregisterKey(char key, bool ctrl, bool alt, bool shift);

    bool IsRegistered(char key, bool ctrl, bool alt, bool shift) const;
    bool IsRegistered(const HotKey& hotKey) const;
    bool IsAvailable(char key, bool ctrl, bool alt, bool shift) const;
    bool IsAvailable(const HotKey& hotKey) const;
    std::uint16_t AtomOf(char key, bool ctrl, bool alt, bool shift) const;

    // Registers every defined, available, unheld combination and unregisters every held one
    // without a definition; combinations that keep their state see no call. False when any call
    // failed.
    bool SyncWith(const HotKeyList& list);
    // Unregisters every held combination; false when any call failed.
    bool UnregisterAll();

private:
    static unsigned ModifiersOf(bool ctrl, bool alt, bool shift);
    static bool Valid(int slot) { return slot >= 0 && slot < kSlotCount; }
    // Calls f(key, ctrl, alt, shift) for every combination: Ctrl, then Alt, then Shift off before
    // on, letters innermost.
    template <class F>
    static void ForEachCombination(F f);

    Window window;
    std::array<bool, kSlotCount> available{};
    std::array<bool, kSlotCount> registered{};
    std::array<std::uint16_t, kSlotCount> atoms{};
    AnsiString baseName;
    HotKeySystem& system;
};
