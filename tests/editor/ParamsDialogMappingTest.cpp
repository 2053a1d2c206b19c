// The parameters dialog's mapping between a definition and the state of its controls.
#include "ParamsDialogMapping.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::unique_ptr<HotKey> MakeHotKey(int extra, int showCmd = 5, const AnsiString& command = "cmd.exe") {
    auto h = std::make_unique<HotKey>();
    h->SetKey('G');
    h->SetCtrl(true);
    h->SetShift(true);
    h->SetCommand(command);
    h->SetDirectory("C:\\dir");
    h->SetParameters("/k");
    h->SetExtra(extra);
    h->SetShowCmd(showCmd);
    return h;
}

// Loading an Extra, and storing it back after OK without changes.
struct ExtraCase {
    const char* name;
    int extra;
    ParamsMode mode;
    int bindItem;
    const char* winBindText;  // what the number edit shows after the load
    int storedExtra;
};

void PrintTo(const ExtraCase& c, std::ostream* os) { *os << c.name; }

class ParamsDialogExtra : public ::testing::TestWithParam<ExtraCase> {};

TEST_P(ParamsDialogExtra, LoadsModeAndBindingThenStoresBack) {
    const ExtraCase& c = GetParam();
    ParamsDialogState state;
    state.winBindText = "17";  // left from an earlier use of the dialog
    state.bindItem = 5;
    auto h = MakeHotKey(c.extra);
    ParamsDialogMapping::LoadHotKey(h.get(), state);
    EXPECT_EQ(state.mode, c.mode);
    EXPECT_EQ(state.bindItem, c.bindItem);
    EXPECT_EQ(state.winBindText, c.winBindText);
    // The texts are loaded whatever the mode.
    EXPECT_EQ(state.command, "cmd.exe");
    EXPECT_EQ(state.directory, "C:\\dir");

    ParamsDialogMapping::StoreHotKey(state, h.get());
    EXPECT_EQ(h->GetExtra(), c.storedExtra);
    bool launch = c.mode == ParamsMode::Launch;
    EXPECT_EQ(h->GetCommand(), launch ? "cmd.exe" : "");
    EXPECT_EQ(h->GetDirectory(), launch ? "C:\\dir" : "");
    EXPECT_EQ(h->GetParameters(), launch ? "/k" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Extras, ParamsDialogExtra,
    ::testing::Values(
        ExtraCase{"Launch", 0, ParamsMode::Launch, 0, "17", 0},
        ExtraCase{"Popup", 1, ParamsMode::Popup, 0, "17", 1},
        ExtraCase{"PopupWithHighBits", 9, ParamsMode::Popup, 0, "17", 1},
        ExtraCase{"HelpBinding", 26, ParamsMode::ShellBind, 3, "17", 26},
        ExtraCase{"FirstBinding", 2, ParamsMode::ShellBind, 0, "17", 2},
        ExtraCase{"NinthBinding", 74, ParamsMode::ShellBind, 9, "17", 74},
        ExtraCase{"OtherBinding10", 82, ParamsMode::ShellBind, 10, "10", 82},
        ExtraCase{"OtherBinding15", 122, ParamsMode::ShellBind, 10, "15", 122},
        ExtraCase{"OtherBinding31", 250, ParamsMode::ShellBind, 10, "31", 250},
        ExtraCase{"HighBitsOnlyIsShellBind", 8, ParamsMode::ShellBind, 1, "17", 10},
        ExtraCase{"Mode3IsShellBind", 3, ParamsMode::ShellBind, 0, "17", 2},
        ExtraCase{"AllBitsIsShellBindOther", 255, ParamsMode::ShellBind, 10, "31", 250}),
    [](const ::testing::TestParamInfo<ExtraCase>& info) { return std::string(info.param.name); });

TEST(ParamsDialogMapping, LoadTakesCombinationAndLabelShowsIt) {
    ParamsDialogState state;
    auto h = MakeHotKey(0);
    ParamsDialogMapping::LoadHotKey(h.get(), state);
    EXPECT_EQ(state.key, 'G');
    EXPECT_TRUE(state.ctrl);
    EXPECT_FALSE(state.alt);
    EXPECT_TRUE(state.shift);
    EXPECT_EQ(ParamsDialogMapping::CombinationText(state), "[Windows] + [CTRL] + [SHIFT] + G");

    // The stored definition keeps the loaded combination.
    HotKey target;
    ParamsDialogMapping::StoreHotKey(state, &target);
    EXPECT_EQ(target.GetKey(), 'G');
    EXPECT_TRUE(target.GetCtrl());
    EXPECT_FALSE(target.GetAlt());
    EXPECT_TRUE(target.GetShift());
}

TEST(ParamsDialogMapping, CombinationText) {
    struct Case { char key; bool ctrl, alt, shift; const char* text; };
    const Case cases[] = {
        {'A', false, false, false, "[Windows] + A"},
        {'Z', true, true, true, "[Windows] + [CTRL] + [ALT] + [SHIFT] + Z"},
        {'M', false, true, false, "[Windows] + [ALT] + M"},
        {'\0', false, false, true, "[Windows] + [SHIFT] + "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ParamsDialogState state;
        state.key = c.key;
        state.ctrl = c.ctrl;
        state.alt = c.alt;
        state.shift = c.shift;
        AnsiString text = ParamsDialogMapping::CombinationText(state);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(text.find('\0'), AnsiString::npos);
    }
}

TEST(ParamsDialogMapping, WindowSizeFromAndToShowCmd) {
    struct Case { int showCmd; int item; int stored; };
    const Case cases[] = {{5, 0, 5}, {6, 1, 6}, {3, 2, 3}, {0, 0, 5}, {1, 0, 5}, {7, 0, 5}, {-1, 0, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE("showCmd " + std::to_string(c.showCmd));
        ParamsDialogState state;
        auto h = MakeHotKey(0, c.showCmd);
        ParamsDialogMapping::LoadHotKey(h.get(), state);
        EXPECT_EQ(state.windowSizeItem, c.item);
        ParamsDialogMapping::StoreHotKey(state, h.get());
        EXPECT_EQ(h->GetShowCmd(), c.stored);
    }
    // Popup mode takes the window size too.
    ParamsDialogState state;
    state.mode = ParamsMode::Popup;
    state.windowSizeItem = 2;
    HotKey h;
    ParamsDialogMapping::StoreHotKey(state, &h);
    EXPECT_EQ(h.GetShowCmd(), 3);
}

TEST(ParamsDialogMapping, EmptyCommandDropsFolderAndParameters) {
    ParamsDialogState state;
    state.command = "";
    state.directory = "C:\\stays\\in\\the\\edit";
    state.parameters = "-x";
    auto h = MakeHotKey(26);
    ParamsDialogMapping::StoreHotKey(state, h.get());
    EXPECT_EQ(h->GetExtra(), 0);
    EXPECT_EQ(h->GetCommand(), "");
    EXPECT_EQ(h->GetDirectory(), "");
    EXPECT_EQ(h->GetParameters(), "");
}

TEST(ParamsDialogMapping, TextsAreTakenWholeAndUntrimmed) {
    ParamsDialogState state;
    state.command = "  C:\\" + AnsiString(600, 'c') + ".exe ";
    state.directory = "C:\\" + AnsiString(500, 'd');
    state.parameters = " \"" + AnsiString(300, 'p') + "\" ";
    HotKey h;
    ParamsDialogMapping::StoreHotKey(state, &h);
    EXPECT_EQ(h.GetCommand(), state.command);
    EXPECT_EQ(h.GetDirectory(), state.directory);
    EXPECT_EQ(h.GetParameters(), state.parameters);
}

TEST(ParamsDialogMapping, OtherBindingNumberFromTheEdit) {
    struct Case { const char* text; int number; };
    const Case cases[] = {{"10", 10}, {"15", 15}, {"31", 31}, {"32", 31}, {"100", 31},
                          {"9", 10},  {"0", 10},  {"", 10},   {"abc", 10}, {"12x", 10},
                          {"99999999999999999999", 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(ParamsDialogMapping::WinBindNumber(c.text), c.number);
        ParamsDialogState state;
        state.mode = ParamsMode::ShellBind;
        state.bindItem = ParamsDialogMapping::OtherBindItem;
        state.winBindText = c.text;
        EXPECT_EQ(ParamsDialogMapping::SelectedExtra(state), (c.number << 3) | 2);
    }
}

TEST(ParamsDialogMapping, ControlStatesByMode) {
    struct Case {
        const char* name;
        ParamsMode mode;
        int bindItem;
        ParamsControlStates expected;
    };
    const Case cases[] = {
        {"launch", ParamsMode::Launch, 10, {true, true, true, false, false, false}},
        {"popup", ParamsMode::Popup, 10, {false, false, false, false, false, false}},
        {"bind item 0", ParamsMode::ShellBind, 0, {false, false, false, true, false, false}},
        {"bind item 9", ParamsMode::ShellBind, 9, {false, false, false, true, false, false}},
        {"bind other", ParamsMode::ShellBind, 10, {false, false, false, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParamsDialogState state;
        state.mode = c.mode;
        state.bindItem = c.bindItem;
        ParamsControlStates s = ParamsDialogMapping::ControlStates(state);
        EXPECT_EQ(s.launchControlsEnabled, c.expected.launchControlsEnabled);
        EXPECT_EQ(s.launchEditsEnabled, c.expected.launchEditsEnabled);
        EXPECT_EQ(s.launchEditsWindowColour, c.expected.launchEditsWindowColour);
        EXPECT_EQ(s.bindGroupEnabled, c.expected.bindGroupEnabled);
        EXPECT_EQ(s.winBindEnabled, c.expected.winBindEnabled);
        EXPECT_EQ(s.winBindWindowColour, c.expected.winBindWindowColour);
    }
}

TEST(ParamsDialogMapping, NullDefinitionChangesNothing) {
    ParamsDialogState state;
    state.command = "kept";
    ParamsDialogMapping::LoadHotKey(nullptr, state);
    EXPECT_EQ(state.command, "kept");
    ParamsDialogMapping::StoreHotKey(state, nullptr);  // must not crash
}

}  // namespace
