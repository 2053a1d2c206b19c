#pragma once
// A pressed combination as WM_HOTKEY reports it: the letter and the three modifier flags (the
// Windows key belongs to every combination the service holds).
#include <cstdint>
#include <optional>

struct HotKeyCombination {
    char key = '\0';
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool operator==(const HotKeyCombination&) const = default;
};

// Decodes WM_HOTKEY's lParam: modifier flags in the low word, virtual-key code in the high word.
// Nothing when the Windows key is not among the modifiers.
std::optional<HotKeyCombination> DecodeHotKeyLParam(std::intptr_t lParam);
