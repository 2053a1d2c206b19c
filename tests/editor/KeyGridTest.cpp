// The key grid's rows: what a row shows for a definition, what it gives back, the reserved rows
// and the moves between the rows and the working list.
#include "KeyGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const OsVersion kNt{/*known=*/true, /*platformId=*/2, 5, 1};

std::unique_ptr<HotKey> MakeHotKey(char key, bool ctrl, bool alt, bool shift, const AnsiString& command,
                                   int extra = 0, const AnsiString& dir = "", const AnsiString& params = "",
                                   int showCmd = 5) {
    auto h = std::make_unique<HotKey>();
    h->SetKey(key);
    h->SetCtrl(ctrl);
    h->SetAlt(alt);
    h->SetShift(shift);
    h->SetCommand(command);
    h->SetExtra(extra);
    h->SetDirectory(dir);
    h->SetParameters(params);
    h->SetShowCmd(showCmd);
    return h;
}

// "A+C" style description of the list in order, for order checks.
std::string Describe(const HotKeyList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i) {
        const HotKey* h = list.GetHotKey(i);
        if (!text.empty()) text += ' ';
        text += h->GetKey();
        if (h->GetCtrl()) text += 'c';
        if (h->GetAlt()) text += 'a';
        if (h->GetShift()) text += 's';
    }
    return text;
}

TEST(KeyGridLetters, LetterOfAndRowIndexOf) {
    struct Case { char in; char letter; int index; };
    const Case cases[] = {
        {'A', 'A', 0},  {'Z', 'Z', 25}, {'a', 'A', 0}, {'z', 'Z', 25}, {'m', 'M', 12},
        {'@', 0, -1},   {'[', 0, -1},   {'`', 0, -1},  {'{', 0, -1},   {'0', 0, -1},
        {'\0', 0, -1},  {'\x82', 0, -1},  // a Shift-JIS lead byte is no letter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("input ") + std::to_string(static_cast<int>(c.in)));
        EXPECT_EQ(KeyGrid::LetterOf(c.in), c.letter);
        EXPECT_EQ(KeyGrid::RowIndexOf(c.in), c.index);
        KeyGrid grid;
        EXPECT_EQ(grid.Row(c.in) != nullptr, c.index >= 0);
    }
}

// What ShowHotKey puts into a row, by the definition's Extra and the row's enabled state.
struct ShowCase {
    const char* name;
    int extra;
    bool rowEnabled;
    const char* text;  // null: the definition's command
    bool readOnly;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class KeyGridShow : public ::testing::TestWithParam<ShowCase> {};

TEST_P(KeyGridShow, RowTakesTextHintLookAndExtra) {
    const ShowCase& c = GetParam();
    KeyGrid grid;
    grid.EnableRow('G', c.rowEnabled);
    // Leftovers of an earlier definition in the row must not survive.
    grid.Row('G')->directory = "old dir";
    grid.Row('G')->showCmd = 3;
    auto h = MakeHotKey('G', false, false, false, "notepad.exe", c.extra, "C:\\work", "-n", 6);
    grid.ShowHotKey(h.get());

    const KeyGridRow& row = *grid.Row('G');
    AnsiString expected = c.text ? AnsiString(c.text) : AnsiString("notepad.exe");
    EXPECT_EQ(row.command, expected);
    EXPECT_EQ(row.hint, expected);
    EXPECT_EQ(row.extra, c.extra);
    EXPECT_EQ(row.readOnly, c.readOnly);
    EXPECT_EQ(row.enabled, c.rowEnabled);
    if (c.extra == 0) {
        EXPECT_EQ(row.directory, "C:\\work");
        EXPECT_EQ(row.parameters, "-n");
        EXPECT_EQ(row.showCmd, 6);
    } else {
        EXPECT_EQ(row.directory, "");
        EXPECT_EQ(row.parameters, "");
        EXPECT_EQ(row.showCmd, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Extras, KeyGridShow,
    ::testing::Values(
        ShowCase{"LaunchEnabled", 0, true, nullptr, false},
        ShowCase{"LaunchOnDisabledRow", 0, false, nullptr, true},
        ShowCase{"Popup", 1, true, " <<< Tavrinちゃんポップアップ >>>", true},
        ShowCase{"PopupWithHighBits", 9, true, " <<< Tavrinちゃんポップアップ >>>", true},
        ShowCase{"ShellBind", 26, true, " <<< Windows標準HotKeyへのバインド >>>", true},
        ShowCase{"ShellBindOther", 122, true, " <<< Windows標準HotKeyへのバインド >>>", true},
        ShowCase{"UnknownHighBitsOnly", 8, true, "???", false},
        ShowCase{"UnknownMode3", 3, true, "???", false},
        ShowCase{"UnknownOnDisabledRow", 7, false, "???", true}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

TEST(KeyGridShow, NullAndNonLetterKeysChangeNothing) {
    KeyGrid grid;
    grid.ShowHotKey(nullptr);
    auto h = MakeHotKey('1', false, false, false, "x.exe");
    grid.ShowHotKey(h.get());
    for (char letter = 'A'; letter <= 'Z'; ++letter) EXPECT_EQ(grid.Row(letter)->command, "");
}

TEST(KeyGridRowToHotKey, LaunchRowGivesItsTextAndFields) {
    KeyGrid grid;
    grid.SetModifiers(true, false, true);
    KeyGridRow& row = *grid.Row('K');
    row.command = "typed.exe";  // typed after the last ShowHotKey: the hint is older
    row.directory = "D:\\dir";
    row.parameters = "/p";
    row.showCmd = 3;
    auto h = grid.RowToHotKey('k');
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->GetKey(), 'K');
    EXPECT_TRUE(h->GetCtrl());
    EXPECT_FALSE(h->GetAlt());
    EXPECT_TRUE(h->GetShift());
    EXPECT_EQ(h->GetCommand(), "typed.exe");
    EXPECT_EQ(h->GetDirectory(), "D:\\dir");
    EXPECT_EQ(h->GetParameters(), "/p");
    EXPECT_EQ(h->GetExtra(), 0);
    EXPECT_EQ(h->GetShowCmd(), 3);
}

TEST(KeyGridRowToHotKey, MarkerOrTypedTextNeverBecomesACommand) {
    for (int extra : {1, 26, 122, 8, 3}) {
        SCOPED_TRACE("extra " + std::to_string(extra));
        KeyGrid grid;
        auto shown = MakeHotKey('P', false, false, false, "", extra);
        grid.ShowHotKey(shown.get());
        grid.Row('P')->command += "typed";
        grid.Row('P')->directory = "stray";
        grid.Row('P')->showCmd = 6;
        auto h = grid.RowToHotKey('P');
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->GetExtra(), extra);
        EXPECT_EQ(h->GetCommand(), "");
        EXPECT_EQ(h->GetDirectory(), "");
        EXPECT_EQ(h->GetParameters(), "");
        EXPECT_EQ(h->GetShowCmd(), 5);
    }
}

TEST(KeyGridRowToHotKey, NonLetterGivesNull) {
    KeyGrid grid;
    EXPECT_EQ(grid.RowToHotKey('['), nullptr);
    EXPECT_EQ(grid.RowToHotKey('\0'), nullptr);
}

TEST(KeyGridRowToHotKey, LongTextsStayWhole) {
    KeyGrid grid;
    AnsiString longCommand = "C:\\" + AnsiString(700, 'x') + ".exe";
    AnsiString longDir = "C:\\" + AnsiString(400, 'd');
    auto h = MakeHotKey('L', false, false, false, longCommand, 0, longDir);
    grid.ShowHotKey(h.get());
    auto back = grid.RowToHotKey('L');
    EXPECT_EQ(back->GetCommand(), longCommand);
    EXPECT_EQ(back->GetDirectory(), longDir);
}

// Reserved letters by modifier combination and system.
struct ReservedCase {
    const char* name;
    bool ctrl, alt, shift;
    OsVersion os;
    const char* letters;
};

void PrintTo(const ReservedCase& c, std::ostream* os) { *os << c.name; }

class KeyGridReserved : public ::testing::TestWithParam<ReservedCase> {};

TEST_P(KeyGridReserved, LettersAndDisabledRows) {
    const ReservedCase& c = GetParam();
    std::vector<char> letters = KeyGrid::ReservedLetters(c.ctrl, c.alt, c.shift, c.os);
    EXPECT_EQ(std::string(letters.begin(), letters.end()), c.letters);

    KeyGrid grid;
    grid.SetModifiers(c.ctrl, c.alt, c.shift);
    HotKeyList empty;
    grid.Refresh(empty, c.os);
    std::string disabled;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const KeyGridRow& row = *grid.Row(letter);
        if (!row.enabled) {
            disabled += letter;
            EXPECT_TRUE(row.readOnly) << letter;
        } else {
            EXPECT_FALSE(row.readOnly) << letter;
        }
    }
    std::string expected = c.letters;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(disabled, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, KeyGridReserved,
    ::testing::Values(
        ReservedCase{"NoneOnNt", false, false, false, {true, 2, 5, 1}, "EFMR"},
        ReservedCase{"NoneOnNt4", false, false, false, {true, 2, 4, 0}, "EFMR"},
        ReservedCase{"NoneOnWin95", false, false, false, {true, 1, 4, 0}, "EFMR"},
        ReservedCase{"NoneOnWin98", false, false, false, {true, 1, 4, 10}, "EFMRD"},
        ReservedCase{"NoneOnWinMe", false, false, false, {true, 1, 4, 90}, "EFMRD"},
        ReservedCase{"NoneOn9xVersion5", false, false, false, {true, 1, 5, 0}, "EFMRD"},
        ReservedCase{"NoneVersionUnknown", false, false, false, {false, 1, 4, 10}, "EFMR"},
        ReservedCase{"CtrlOnly", true, false, false, kNt, "F"},
        ReservedCase{"CtrlOnlyOnWin98", true, false, false, {true, 1, 4, 10}, "F"},
        ReservedCase{"ShiftOnly", false, false, true, kNt, "M"},
        ReservedCase{"AltOnly", false, true, false, kNt, ""},
        ReservedCase{"CtrlAlt", true, true, false, kNt, ""},
        ReservedCase{"CtrlShift", true, false, true, kNt, ""},
        ReservedCase{"AltShift", false, true, true, kNt, ""},
        ReservedCase{"All", true, true, true, kNt, ""}),
    [](const ::testing::TestParamInfo<ReservedCase>& info) { return std::string(info.param.name); });

// A grid and its working list, with the toggles' StoreGrid/flip/Refresh sequence.
class KeyGridWithList : public ::testing::Test {
protected:
    void Toggle(bool ctrl, bool alt, bool shift) {
        grid.StoreGrid(list);
        grid.SetModifiers(ctrl, alt, shift);
        grid.Refresh(list, kNt);
    }
    void Store(std::unique_ptr<HotKey> h) { list.Store(h.release()); }

    KeyGrid grid;
    HotKeyList list;
};

TEST_F(KeyGridWithList, RefreshShowsTheCombinationsDefinitionsAndDefaults) {
    Store(MakeHotKey('A', false, false, false, "a.exe", 0, "C:\\a", "-a", 3));
    Store(MakeHotKey('A', true, false, false, "ctrl-a.exe"));
    Store(MakeHotKey('B', false, false, false, "", 1));
    grid.Refresh(list, kNt);
    EXPECT_EQ(grid.Row('A')->command, "a.exe");
    EXPECT_EQ(grid.Row('A')->directory, "C:\\a");
    EXPECT_EQ(grid.Row('A')->showCmd, 3);
    EXPECT_EQ(grid.Row('B')->command, KeyGrid::PopupMarker);
    EXPECT_EQ(grid.Row('C')->command, "");
    EXPECT_EQ(grid.Row('C')->extra, 0);
    EXPECT_EQ(grid.Row('C')->showCmd, 5);

    grid.SetModifiers(true, false, false);
    grid.Refresh(list, kNt);
    EXPECT_EQ(grid.Row('A')->command, "ctrl-a.exe");
    EXPECT_EQ(grid.Row('A')->directory, "");  // the default of a launch definition
    EXPECT_EQ(grid.Row('B')->command, "");
    EXPECT_FALSE(grid.Row('B')->readOnly);
}

TEST_F(KeyGridWithList, StoreGridMovesTheShownCombinationToTheEndInLetterOrder) {
    Store(MakeHotKey('Z', false, false, false, "z.exe"));
    Store(MakeHotKey('B', true, false, false, "ctrl-b.exe"));
    Store(MakeHotKey('A', false, false, false, "a.exe"));
    grid.Refresh(list, kNt);
    grid.StoreGrid(list);
    EXPECT_EQ(Describe(list), "Bc A Z");

    // CTRL on and off again without edits: the same rows, each toggle moving its combination.
    Toggle(true, false, false);
    Toggle(false, false, false);
    EXPECT_EQ(Describe(list), "A Z Bc");  // the CTRL rows went last
    EXPECT_EQ(grid.Row('A')->command, "a.exe");
    EXPECT_EQ(grid.Row('Z')->command, "z.exe");
    Toggle(true, false, false);
    EXPECT_EQ(Describe(list), "Bc A Z");
    EXPECT_EQ(grid.Row('B')->command, "ctrl-b.exe");
}

TEST_F(KeyGridWithList, TypedCommandBecomesALaunchDefinition) {
    grid.Refresh(list, kNt);
    grid.Row('G')->command = "calc.exe";
    grid.StoreGrid(list);
    const HotKey* h = list.Find('G', false, false, false);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->GetCommand(), "calc.exe");
    EXPECT_EQ(h->GetDirectory(), "");
    EXPECT_EQ(h->GetParameters(), "");
    EXPECT_EQ(h->GetExtra(), 0);
    EXPECT_EQ(h->GetShowCmd(), 5);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(KeyGridWithList, ClearedLaunchRowRemovesItsDefinitionDespiteFolderAndParameters) {
    Store(MakeHotKey('H', false, false, false, "h.exe", 0, "C:\\h", "-h"));
    grid.Refresh(list, kNt);
    grid.Row('H')->command.clear();
    grid.StoreGrid(list);
    EXPECT_EQ(list.Find('H', false, false, false), nullptr);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(KeyGridWithList, ReservedRowsAndUnknownModesAreStoredBackUnchanged) {
    Store(MakeHotKey('E', false, false, false, "e.exe", 0, "C:\\e", "-e", 6));  // reserved
    Store(MakeHotKey('Q', false, false, false, "", 8));  // no mode test accepts 8
    grid.Refresh(list, kNt);
    EXPECT_FALSE(grid.Row('E')->enabled);
    EXPECT_EQ(grid.Row('E')->command, "e.exe");
    EXPECT_EQ(grid.Row('Q')->command, "???");
    grid.Row('Q')->command = "ignored.exe";
    grid.StoreGrid(list);

    const HotKey* e = list.Find('E', false, false, false);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetCommand(), "e.exe");
    EXPECT_EQ(e->GetDirectory(), "C:\\e");
    EXPECT_EQ(e->GetParameters(), "-e");
    EXPECT_EQ(e->GetShowCmd(), 6);
    const HotKey* q = list.Find('Q', false, false, false);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->GetExtra(), 8);
    EXPECT_EQ(q->GetCommand(), "");
}

TEST_F(KeyGridWithList, DefinitionWithLowerCaseKeyIsNeverShownAndSurvives) {
    Store(MakeHotKey('a', false, false, false, "lower.exe"));
    grid.Refresh(list, kNt);
    EXPECT_EQ(grid.Row('A')->command, "");
    grid.Row('A')->command = "upper.exe";
    grid.StoreGrid(list);
    EXPECT_EQ(Describe(list), "a A");
    EXPECT_EQ(list.Find('a', false, false, false)->GetCommand(), "lower.exe");
}

}  // namespace
