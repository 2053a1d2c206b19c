#pragma once
// One hotkey definition: the combination (Windows key, Ctrl, Alt, Shift and a letter) and what
// pressing it does. Extra holds the mode in bits 0-2 and the shell function number in bits 3-7.
#include "AnsiString.h"
#include "MoxRegistrySerializable.h"

enum HotKeyMode { hkLaunch = 0, hkPopup = 1, hkShellBind = 2 };

class HotKey : public MoxRegistrySerializable {
public:
    HotKey();
    // A copy of source, of whose Key only the first character is taken; defaults for null.
    explicit HotKey(const HotKey* source);
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;
    // Copies source field by field with the same rule for Key; self-assignment changes nothing.
    HotKey& Assign(const HotKey& source);
    void Clear();

    char GetKey() const { return Key.empty() ? '\0' : Key[0]; }
    void SetKey(char key) { Key = key == '\0' ? AnsiString() : AnsiString(1, key); }
    bool GetCtrl() const { return Ctrl; }
    void SetCtrl(bool value) { Ctrl = value; }
    bool GetAlt() const { return Alt; }
    void SetAlt(bool value) { Alt = value; }
    bool GetShift() const { return Shift; }
    void SetShift(bool value) { Shift = value; }
    AnsiString GetCommand() const { return Command; }
    void SetCommand(const AnsiString& value) { Command = value; }
    AnsiString GetDirectory() const { return Directory; }
    void SetDirectory(const AnsiString& value) { Directory = value; }
    AnsiString GetParameters() const { return Parameters; }
    void SetParameters(const AnsiString& value) { Parameters = value; }
    int GetExtra() const { return Extra; }
    void SetExtra(int value) { Extra = value; }
    int GetShowCmd() const { return ShowCmd; }
    void SetShowCmd(int value) { ShowCmd = value; }

    // Mode tests on a bare Extra value: launch is 0 as a whole; popup and shell binding look at
    // the low three bits only. Values such as 8, or low bits 3 to 7, pass none of them.
    static bool IsLaunchExtra(int e) { return e == 0; }
    static bool IsPopupExtra(int e) { return (e & 7) == hkPopup; }
    static bool IsShellBindExtra(int e) { return (e & 7) == hkShellBind; }
    static int ShellBindNumberOf(int e) { return (e >> 3) & 31; }
    // The Extra of shell binding with `number`; only its low five bits are kept.
    static int ShellBindExtra(int number) { return ((number << 3) & 0xF8) | hkShellBind; }

    bool IsLaunch() const { return IsLaunchExtra(Extra); }
    bool IsPopup() const { return IsPopupExtra(Extra); }
    bool IsShellBind() const { return IsShellBindExtra(Extra); }
    int GetShellBindNumber() const { return ShellBindNumberOf(Extra); }
    void SetLaunch() { Extra = hkLaunch; }
    void SetPopup() { Extra = hkPopup; }
    void SetShellBind(int number) { Extra = ShellBindExtra(number); }

    // A launch-mode record with nothing to launch; lists never keep one.
    bool IsEmptyDefinition() const { return Command.empty() && Extra == 0; }

    // Writes Key, Ctrl, Alt, Shift, Command, Directory, Parameters, Extra and ShowCmd, in this
    // order; the first value that cannot be written raises and ends the save.
    void SaveToRegistry(MoxRegistry* registry) override;
    // Reads the values in two groups (Key to Shift; Command to ShowCmd): an unreadable value
    // leaves it and the rest of its group at their defaults. Never raises.
    void LoadFromRegistry(MoxRegistry* registry) override;

private:
    void CopyFrom(const HotKey& source);

    AnsiString Key;
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    AnsiString Command;
    AnsiString Directory;
    AnsiString Parameters;
    int Extra = 0;
    int ShowCmd = 5;
};
