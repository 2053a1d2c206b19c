#pragma once
// Where the definitions live under HKEY_CURRENT_USER, and the name prefix of their item keys.
constexpr char kHotKeysPath[] = "Software\\MoxApp\\TavrinChan\\HotKeys";
constexpr char kHotKeyPrefix[] = "HotKey";
