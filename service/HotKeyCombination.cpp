#include "HotKeyCombination.h"

#include "HotKeySystem.h"

std::optional<HotKeyCombination> DecodeHotKeyLParam(std::intptr_t lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    const unsigned modifiers = bits & 0xFFFFu;
    const unsigned virtualKey = (bits >> 16) & 0xFFFFu;
    if ((modifiers & kModWin) == 0) return std::nullopt;
    HotKeyCombination combination;
    combination.key = static_cast<char>(virtualKey & 0xFFu);
    combination.ctrl = (modifiers & kModControl) != 0;
    combination.alt = (modifiers & kModAlt) != 0;
    combination.shift = (modifiers & kModShift) != 0;
    return combination;
}
