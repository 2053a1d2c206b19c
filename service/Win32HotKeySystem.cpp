#include "Win32HotKeySystem.h"

#include <windows.h>

std::uint16_t Win32HotKeySystem::AddGlobalAtom(const AnsiString& name) { return GlobalAddAtomA(name.c_str()); }

void Win32HotKeySystem::DeleteGlobalAtom(std::uint16_t atom) { GlobalDeleteAtom(atom); }

bool Win32HotKeySystem::RegisterHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) {
    return ::RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, virtualKey) != FALSE;
}

bool Win32HotKeySystem::UnregisterHotKey(Window window, int id) {
    return ::UnregisterHotKey(reinterpret_cast<HWND>(window), id) != FALSE;
}
