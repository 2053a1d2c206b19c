#pragma once
// What pressing a defined combination does, chosen from the definition alone, and carrying it out
// through the shell seam.
#include <functional>

#include "ShellAccess.h"

class HotKey;
class HotKeyAccessCtrl;
class HotKeyList;
struct HotKeyCombination;

enum class HotKeyActionKind { None, Launch, Popup, ShellBind };

struct HotKeyAction {
    HotKeyActionKind kind = HotKeyActionKind::None;
    int shellNumber = 0;  // the shell function number of ShellBind
    bool operator==(const HotKeyAction&) const = default;
};

// Extra 0 launches (nothing when the command is empty); low bits 1 pop the editor up; every other
// Extra posts its shell function number ((Extra >> 3) & 31). No definition: nothing.
HotKeyAction ChooseHotKeyAction(const HotKey* definition);

// The window of the shell that performs its hotkey functions.
constexpr char kShellWindowClass[] = "ProgMan";
constexpr unsigned kWmHotKey = 0x0312;

// Carries out the action of `definition`: ShellExecuteA "Open" with its command, parameters,
// folder (empty strings, never null) and show command, owned by `owner`; popupEditor(); or
// WM_HOTKEY with the number posted to the "ProgMan" window when there is one.
void RunHotKeyAction(const HotKey* definition, ShellAccess& shell, ShellAccess::Window owner,
                     const std::function<void()>& popupEditor);

// A press of `combination`: nothing unless the service holds it and `definitions` has a
// definition for it; then that definition's action.
void HandleHotKeyPress(const HotKeyCombination& combination, const HotKeyAccessCtrl& accessCtrl,
                       const HotKeyList* definitions, ShellAccess& shell, ShellAccess::Window owner,
                       const std::function<void()>& popupEditor);
