#pragma once
// The key grid's rows without any window: 26 rows A to Z for one modifier combination, the rules
// that put a definition into a row and take one out of it, the reserved rows and the moves
// between the rows and a working list. The form copies these rows to and from its controls.
#include <array>
#include <memory>
#include <vector>

#include "HotKey.h"
#include "HotKeyList.h"
#include "KeyGridRow.h"
#include "OsVersion.h"

class KeyGrid {
public:
    static constexpr int RowCount = 26;
    // Edit texts of rows whose definition is not in launch mode; never taken as a command.
    static const char* const PopupMarker;
    static const char* const ShellBindMarker;
    static const char* const UnknownMarker;

    // 'a'..'z' to upper case, 'A'..'Z' unchanged, anything else 0.
    static char LetterOf(char c);
    // 0..25 for a letter, negative otherwise.
    static int RowIndexOf(char c);
    // The letters that Windows itself uses with the Windows key and the given modifiers, in the
    // order in which they are disabled.
    static std::vector<char> ReservedLetters(bool ctrl, bool alt, bool shift, const OsVersion& os);

    KeyGrid();

    bool Ctrl() const noexcept { return ctrl_; }
    bool Alt() const noexcept { return alt_; }
    bool Shift() const noexcept { return shift_; }
    void SetModifiers(bool ctrl, bool alt, bool shift) noexcept;

    // The row of a letter (either case); null for anything else.
    KeyGridRow* Row(char letter);
    const KeyGridRow* Row(char letter) const;
    // Sets the edit text of the row and its hint to the same text; nothing on a non-letter.
    void SetCommand(char letter, const AnsiString& text);
    void SetRowReadOnly(char letter, bool readOnly);
    // Enables or disables the whole row; a disabled row has the read-only look.
    void EnableRow(char letter, bool enabled);

    // Puts the definition into the row of its letter; null or a non-letter key does nothing.
    void ShowHotKey(const HotKey* hotKey);
    // A new definition made from the row for the shown modifiers; null for a non-letter.
    std::unique_ptr<HotKey> RowToHotKey(char letter) const;

    // Shows the working list's definitions for the shown modifiers (defaults where it has none)
    // and disables the reserved rows.
    void Refresh(const HotKeyList& hotKeys, const OsVersion& os);
    // Stores every row, A to Z, into the working list.
    void StoreGrid(HotKeyList& hotKeys) const;

private:
    std::array<KeyGridRow, RowCount> rows_;
    bool ctrl_ = false;
    bool alt_ = false;
    bool shift_ = false;
};
