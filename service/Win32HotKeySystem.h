#pragma once
// The hotkey table of the running system: GlobalAddAtomA, GlobalDeleteAtom, RegisterHotKey and
// UnregisterHotKey.
#include "HotKeySystem.h"

class Win32HotKeySystem : public HotKeySystem {
public:
    std::uint16_t AddGlobalAtom(const AnsiString& name) override;
    void DeleteGlobalAtom(std::uint16_t atom) override;
    bool RegisterHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) override;
    bool UnregisterHotKey(Window window, int id) override;
};
