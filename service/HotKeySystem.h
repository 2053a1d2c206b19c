#pragma once
// The system's hotkey table as HotKeyAccessCtrl sees it: global atoms for the ids and the
// registration of a combination on a window. The Windows build passes the real calls through;
// tests count the calls and make any of them fail.
#include <cstdint>

#include "AnsiString.h"

class HotKeySystem {
public:
    // A window handle, opaque here.
    using Window = std::uintptr_t;

    virtual ~HotKeySystem() = default;
    // GlobalAddAtomA: the atom of `name`, 0 on failure.
    virtual std::uint16_t AddGlobalAtom(const AnsiString& name) = 0;
    // GlobalDeleteAtom.
    virtual void DeleteGlobalAtom(std::uint16_t atom) = 0;
    // RegisterHotKey with the MOD_* flags and the virtual-key code; false on failure.
    virtual bool RegisterHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) = 0;
    // UnregisterHotKey; false on failure.
    virtual bool UnregisterHotKey(Window window, int id) = 0;
};

// Modifier flags of RegisterHotKey and of WM_HOTKEY's lParam.
constexpr unsigned kModAlt = 1;
constexpr unsigned kModControl = 2;
constexpr unsigned kModShift = 4;
constexpr unsigned kModWin = 8;
