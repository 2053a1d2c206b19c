// Decoding WM_HOTKEY, choosing the action of a definition, and carrying it out through the shell.
#include <gtest/gtest.h>

#include "FakeHotKeySystem.h"
#include "FakeShellAccess.h"
#include "HotKeyAccessCtrl.h"
#include "HotKeyAction.h"
#include "HotKeyCombination.h"
#include "HotKeyList.h"

namespace {
std::intptr_t LParam(unsigned modifiers, unsigned virtualKey) {
    return static_cast<std::intptr_t>((virtualKey << 16) | modifiers);
}

std::unique_ptr<HotKey> Definition(int extra, const char* command = "", const char* parameters = "",
                                   const char* directory = "", int showCmd = 5) {
    auto hotKey = std::make_unique<HotKey>();
    hotKey->SetKey('N');
    hotKey->SetShift(true);
    hotKey->SetExtra(extra);
    hotKey->SetCommand(command);
    hotKey->SetParameters(parameters);
    hotKey->SetDirectory(directory);
    hotKey->SetShowCmd(showCmd);
    return hotKey;
}
constexpr ShellAccess::Window kOwner = 0x77;
constexpr ShellAccess::Window kProgMan = 0x99;
}  // namespace

struct DecodeCase {
    const char* name;
    std::intptr_t lParam;
    std::optional<HotKeyCombination> expected;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, Decodes) { EXPECT_EQ(DecodeHotKeyLParam(GetParam().lParam), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    HotKeyMessages, DecodeTest,
    ::testing::Values(
        DecodeCase{"WinShiftN", LParam(kModWin | kModShift, 'N'), HotKeyCombination{'N', false, false, true}},
        DecodeCase{"WinAlone", LParam(kModWin, 'A'), HotKeyCombination{'A', false, false, false}},
        DecodeCase{"AllModifiers", LParam(kModWin | kModControl | kModAlt | kModShift, 'Z'),
                   HotKeyCombination{'Z', true, true, true}},
        DecodeCase{"CtrlAlt", LParam(kModWin | kModControl | kModAlt, 'Q'), HotKeyCombination{'Q', true, true, false}},
        DecodeCase{"KeyTakesLowByte", LParam(kModWin, 0x141), HotKeyCombination{'A', false, false, false}},
        DecodeCase{"WithoutWin", LParam(kModShift, 'N'), std::nullopt},
        DecodeCase{"NoModifiers", LParam(0, 'N'), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChoiceCase {
    const char* name;
    int extra;
    const char* command;
    HotKeyAction expected;
};

class ChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTest, Chooses) {
    const auto definition = Definition(GetParam().extra, GetParam().command);
    EXPECT_EQ(ChooseHotKeyAction(definition.get()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Extras, ChoiceTest,
    ::testing::Values(ChoiceCase{"Launch", 0, "notepad", {HotKeyActionKind::Launch, 0}},
                      ChoiceCase{"LaunchWithoutCommand", 0, "", {HotKeyActionKind::None, 0}},
                      ChoiceCase{"Popup", 1, "", {HotKeyActionKind::Popup, 0}},
                      ChoiceCase{"PopupWithCommand", 1, "notepad", {HotKeyActionKind::Popup, 0}},
                      ChoiceCase{"PopupWithHighBits", 9, "", {HotKeyActionKind::Popup, 0}},
                      ChoiceCase{"ShellBindZero", 2, "", {HotKeyActionKind::ShellBind, 0}},
                      ChoiceCase{"ShellBindNine", (9 << 3) | 2, "", {HotKeyActionKind::ShellBind, 9}},
                      ChoiceCase{"ShellBindThirtyOne", (31 << 3) | 2, "", {HotKeyActionKind::ShellBind, 31}},
                      ChoiceCase{"LowBitsZeroNumberOne", 8, "notepad", {HotKeyActionKind::ShellBind, 1}},
                      ChoiceCase{"LowBitsThree", 3, "notepad", {HotKeyActionKind::ShellBind, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChooseHotKeyActionTest, NoDefinitionDoesNothing) {
    EXPECT_EQ(ChooseHotKeyAction(nullptr).kind, HotKeyActionKind::None);
}

class RunActionTest : public ::testing::Test {
protected:
    FakeShellAccess shell;
    int popups = 0;
    void Run(const HotKey& definition) {
        RunHotKeyAction(&definition, shell, kOwner, [this] { ++popups; });
    }
};

TEST_F(RunActionTest, LaunchHandsTheStoredFieldsToTheShellAsTheyAre) {
    for (const int showCmd : {3, 5, 6}) {
        SCOPED_TRACE(showCmd);
        shell.executions.clear();
        Run(*Definition(0, "C:\\Tools\\app.exe", "-x \"a b\"", "C:\\Work", showCmd));
        ASSERT_EQ(shell.executions.size(), 1u);
        EXPECT_EQ(shell.executions[0], (FakeShellAccess::Execution{kOwner, "Open", "C:\\Tools\\app.exe",
                                                                    "-x \"a b\"", "C:\\Work", showCmd}));
    }
    EXPECT_TRUE(shell.posts.empty());
    EXPECT_EQ(popups, 0);
}

TEST_F(RunActionTest, LaunchPassesEmptyParametersAndFolderAsEmptyStrings) {
    Run(*Definition(0, "notepad"));
    ASSERT_EQ(shell.executions.size(), 1u);
    EXPECT_EQ(shell.executions[0].parameters, std::optional<std::string>(""));
    EXPECT_EQ(shell.executions[0].directory, std::optional<std::string>(""));
}

TEST_F(RunActionTest, ShellBindPostsTheNumberToProgMan) {
    shell.windows[{"ProgMan", "Program Manager"}] = kProgMan;
    Run(*Definition((9 << 3) | 2, "notepad"));
    Run(*Definition(8));
    ASSERT_EQ(shell.posts.size(), 2u);
    EXPECT_EQ(shell.posts[0], (FakeShellAccess::Post{kProgMan, 0x0312, 9, 0}));
    EXPECT_EQ(shell.posts[1], (FakeShellAccess::Post{kProgMan, 0x0312, 1, 0}));
    EXPECT_TRUE(shell.executions.empty());
}

TEST_F(RunActionTest, ShellBindWithoutProgManDoesNothing) {
    Run(*Definition(2));
    EXPECT_EQ(shell.finds, 1);
    EXPECT_TRUE(shell.posts.empty());
}

TEST_F(RunActionTest, PopupAsksForTheEditorAndStartsNothing) {
    Run(*Definition(1, "notepad"));
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(shell.executions.empty());
}

// A press reaches the definition only for a combination the service holds.
TEST(HandleHotKeyPressTest, ActsOnlyOnHeldDefinedCombinations) {
    FakeHotKeySystem system;
    system.heldElsewhere.insert({kModWin | kModAlt, 'T'});
    HotKeyAccessCtrl ctrl(0x1, "TavrinChan", system);
    HotKeyList list;
    for (const auto& [key, alt] : {std::pair{'N', false}, std::pair{'T', true}}) {
        auto definition = Definition(0, "notepad").release();  // the list takes it over
        definition->SetKey(key);
        definition->SetShift(false);
        definition->SetAlt(alt);
        list.Store(definition);
    }
    ctrl.SyncWith(list);
    ASSERT_TRUE(ctrl.RegisterKey('U', false, false, false));  // held, but not defined

    FakeShellAccess shell;
    auto press = [&](HotKeyCombination c) { HandleHotKeyPress(c, ctrl, &list, shell, kOwner, {}); };
    press({'N', false, false, false});
    EXPECT_EQ(shell.executions.size(), 1u);
    press({'T', false, true, false});   // defined, but taken by another program at start
    press({'U', false, false, false});  // held, no definition
    press({'N', true, false, false});   // neither
    HandleHotKeyPress({'N', false, false, false}, ctrl, nullptr, shell, kOwner, {});
    EXPECT_EQ(shell.executions.size(), 1u);
}
