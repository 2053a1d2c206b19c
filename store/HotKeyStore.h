#pragma once
// The user's definitions as both programs keep them: the list under
// HKEY_CURRENT_USER\Software\MoxApp\TavrinChan\HotKeys, one "HotKey_<n>" item key per record.
#include <memory>

#include "HotKeyList.h"

constexpr char kHotKeysPath[] = "Software\\MoxApp\\TavrinChan\\HotKeys";
constexpr char kHotKeyPrefix[] = "HotKey";

// A new list read from the stored definitions; the key path is created when missing (whether
// that worked is not asked: an unopened key reads as an empty list).
std::unique_ptr<HotKeyList> LoadStoredHotKeys();
// Writes the list over the stored definitions; a "Count" that cannot be written raises.
void SaveStoredHotKeys(HotKeyList& list);
