#pragma once
// The parameters dialog's rules as plain functions between a definition and the dialog's state.
#include "HotKey.h"
#include "ParamsDialogState.h"

class ParamsDialogMapping {
public:
    static constexpr int OtherBindItem = 10;  // "その他": the number in the edit beside it
    static constexpr int WinBindMin = 10;
    // The largest binding number a definition can hold (five bits).
    static constexpr int WinBindMax = 31;

    // Fills the state from the definition; winBindText changes only for a binding number of 10
    // or more. Null does nothing.
    static void LoadHotKey(const HotKey* hotKey, ParamsDialogState& state);
    // Overwrites every field of the definition from the state. Null does nothing.
    static void StoreHotKey(const ParamsDialogState& state, HotKey* hotKey);
    // The definition's Extra for the chosen mode and shell function.
    static int SelectedExtra(const ParamsDialogState& state);
    // The number in the edit beside "その他", brought into WinBindMin..WinBindMax; text that is
    // no decimal number gives WinBindMin.
    static int WinBindNumber(const AnsiString& text);
    // "[Windows] + [CTRL] + [SHIFT] + A" and the like.
    static AnsiString CombinationText(const ParamsDialogState& state);
    static ParamsControlStates ControlStates(const ParamsDialogState& state);
    // Window-size item and show command: 0 ↔ 5 (and every unknown value), 1 ↔ 6, 2 ↔ 3.
    static int WindowSizeItemOf(int showCmd);
    static int ShowCmdOf(int windowSizeItem);
};
