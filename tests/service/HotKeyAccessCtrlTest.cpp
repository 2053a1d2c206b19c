// The hotkey table of the service against a fake system: naming, the start-up probe, the sync
// with a definition list, and what each failing system call leaves behind.
#include <gtest/gtest.h>

#include "FakeHotKeySystem.h"
#include "HotKeyAccessCtrl.h"
#include "HotKeyList.h"

namespace {
constexpr HotKeySystem::Window kWindow = 0x1234;

void Define(HotKeyList& list, char key, bool ctrl = false, bool alt = false, bool shift = false,
            const char* command = "notepad") {
    auto* hotKey = new HotKey;  // the list takes it over
    hotKey->SetKey(key);
    hotKey->SetCtrl(ctrl);
    hotKey->SetAlt(alt);
    hotKey->SetShift(shift);
    hotKey->SetCommand(command);
    list.Store(hotKey);
}

}  // namespace

struct SlotCase {
    const char* name;
    char key;
    bool ctrl, alt, shift;
    int slot;
    const char* atomName;  // null: no letter
};

class SlotOfTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotOfTest, GivesSlotAndAtomName) {
    const SlotCase& c = GetParam();
    FakeHotKeySystem system;
    HotKeyAccessCtrl ctrl(kWindow, "TavrinChan", system);
    EXPECT_EQ(HotKeyAccessCtrl::SlotOf(c.key, c.ctrl, c.alt, c.shift), c.slot);
    if (c.atomName != nullptr) {
        EXPECT_EQ(ctrl.AtomName(c.key, c.ctrl, c.alt, c.shift), c.atomName);
        EXPECT_EQ(ctrl.AtomOf(c.key, c.ctrl, c.alt, c.shift), system.atoms.at(c.atomName));
    } else {
        // Every query on a slot outside the table reads as false or 0, and writes are refused.
        EXPECT_FALSE(ctrl.IsAvailable(c.key, c.ctrl, c.alt, c.shift));
        EXPECT_FALSE(ctrl.IsRegistered(c.key, c.ctrl, c.alt, c.shift));
        EXPECT_EQ(ctrl.AtomOf(c.key, c.ctrl, c.alt, c.shift), 0);
        system.ResetCounts();
        EXPECT_FALSE(ctrl.RegisterKey(c.key, c.ctrl, c.alt, c.shift));
        EXPECT_FALSE(ctrl.UnregisterKey(c.key, c.ctrl, c.alt, c.shift));
        EXPECT_EQ(system.Calls(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, SlotOfTest,
    ::testing::Values(SlotCase{"WinB", 'B', false, false, false, 1, "TavrinChan_B"},
                      SlotCase{"WinCtrlAltShiftA", 'A', true, true, true, 182, "TavrinChan_A_ctrl_alt_shift"},
                      SlotCase{"WinCtrlShiftQ", 'Q', true, false, true, 146, "TavrinChan_Q_ctrl_shift"},
                      SlotCase{"WinAltZ", 'Z', false, true, false, 77, "TavrinChan_Z_alt"},
                      SlotCase{"WinCtrlAltShiftZ", 'Z', true, true, true, 207, "TavrinChan_Z_ctrl_alt_shift"},
                      SlotCase{"BeforeA", '@', false, false, false, -1, nullptr},
                      SlotCase{"AfterZ", '[', true, false, false, -1, nullptr},
                      SlotCase{"BeforeLowerA", '`', false, false, false, -1, nullptr},
                      SlotCase{"AfterLowerZ", '{', false, false, false, -1, nullptr},
                      SlotCase{"HighByte", static_cast<char>(0x83), false, false, false, -1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// 'a' shares the slot of 'A' for every query.
TEST(HotKeyAccessCtrlTest, LowerCaseLetterQueriesTheUpperCaseSlot) {
    FakeHotKeySystem system;
    HotKeyAccessCtrl ctrl(kWindow, "TavrinChan", system);
    EXPECT_EQ(HotKeyAccessCtrl::SlotOf('a', true, true, true), 182);
    ASSERT_TRUE(ctrl.RegisterKey('K', false, false, false));
    EXPECT_TRUE(ctrl.IsRegistered('k', false, false, false));
    EXPECT_EQ(ctrl.AtomOf('k', false, false, false), ctrl.AtomOf('K', false, false, false));
}

TEST(HotKeyAccessCtrlTest, ProbeRegistersAndReleasesEveryCombinationOnce) {
    FakeHotKeySystem system;
    HotKeyAccessCtrl ctrl(kWindow, "TavrinChan", system);
    EXPECT_EQ(system.adds, 208);
    EXPECT_EQ(system.registers, 208);
    EXPECT_EQ(system.unregisters, 208);
    EXPECT_EQ(system.atoms.size(), 208u);
    EXPECT_TRUE(system.held.empty());
    EXPECT_EQ(system.lastWindow, kWindow);
    for (const bool c : {false, true})
        for (const bool a : {false, true})
            for (const bool s : {false, true})
                for (char key = 'A'; key <= 'Z'; ++key) {
                    SCOPED_TRACE(ctrl.AtomName(key, c, a, s));
                    EXPECT_TRUE(ctrl.IsAvailable(key, c, a, s));
                    EXPECT_FALSE(ctrl.IsRegistered(key, c, a, s));
                    EXPECT_NE(ctrl.AtomOf(key, c, a, s), 0);
                }
}

TEST(HotKeyAccessCtrlTest, RegistersWithWinModifiersLetterCodeAndAtomAsId) {
    FakeHotKeySystem system;
    HotKeyAccessCtrl ctrl(kWindow, "TavrinChan", system);
    HotKeyList list;
    Define(list, 'N', false, false, true);
    Define(list, 'Q', true, true, false);
    ASSERT_TRUE(ctrl.SyncWith(list));
    ASSERT_EQ(system.held.size(), 2u);
    EXPECT_EQ(system.held.at(ctrl.AtomOf('N', false, false, true)), FakeHotKeySystem::Chord(kModWin | kModShift, 'N'));
    EXPECT_EQ(system.held.at(ctrl.AtomOf('Q', true, true, false)),
              FakeHotKeySystem::Chord(kModWin | kModControl | kModAlt, 'Q'));
}

TEST(HotKeyAccessCtrlTest, RepeatedRegisterAndUnregisterMakeNoCall) {
    FakeHotKeySystem system;
    HotKeyAccessCtrl ctrl(kWindow, "TavrinChan", system);
    system.ResetCounts();
    EXPECT_TRUE(ctrl.UnregisterKey('K', false, false, false));  // free: nothing to do
    EXPECT_TRUE(ctrl.RegisterKey('K', false, false, false));
    EXPECT_TRUE(ctrl.RegisterKey('K', false, false, false));
    EXPECT_EQ(system.registers, 1);
    EXPECT_TRUE(ctrl.UnregisterKey('K', false, false, false));
    EXPECT_TRUE(ctrl.UnregisterKey('K', false, false, false));
    EXPECT_EQ(system.unregisters, 1);
}

class SyncTest : public ::testing::Test {
protected:
    FakeHotKeySystem system;
    std::unique_ptr<HotKeyAccessCtrl> ctrl;
    void Start() {
        ctrl = std::make_unique<HotKeyAccessCtrl>(kWindow, "TavrinChan", system);
        system.ResetCounts();
    }
};

TEST_F(SyncTest, HoldsExactlyTheDefinedCombinationsAndLeavesKeptOnesAlone) {
    Start();
    HotKeyList first;
    Define(first, 'K');
    Define(first, 'M', true);
    ASSERT_TRUE(ctrl->SyncWith(first));
    EXPECT_EQ(system.registers, 2);
    EXPECT_TRUE(ctrl->IsRegistered('K', false, false, false));
    EXPECT_TRUE(ctrl->IsRegistered('M', true, false, false));

    // The same list again: no call.
    system.ResetCounts();
    ASSERT_TRUE(ctrl->SyncWith(first));
    EXPECT_EQ(system.Calls(), 0);

    // K keeps its combination with a new command, M goes, P comes.
    HotKeyList second;
    Define(second, 'K', false, false, false, "calc");
    Define(second, 'P', false, true);
    system.ResetCounts();
    ASSERT_TRUE(ctrl->SyncWith(second));
    EXPECT_EQ(system.registers, 1);
    EXPECT_EQ(system.unregisters, 1);
    EXPECT_TRUE(ctrl->IsRegistered('K', false, false, false));
    EXPECT_FALSE(ctrl->IsRegistered('M', true, false, false));
    EXPECT_TRUE(ctrl->IsAvailable('M', true, false, false));
    EXPECT_TRUE(ctrl->IsRegistered('P', false, true, false));

    // The empty list releases everything.
    ASSERT_TRUE(ctrl->SyncWith(HotKeyList()));
    EXPECT_TRUE(system.held.empty());
}

TEST_F(SyncTest, CombinationHeldByAnotherProgramAtStartIsNeverTriedAgain) {
    system.heldElsewhere.insert({kModWin, 'K'});
    Start();
    EXPECT_FALSE(ctrl->IsAvailable('K', false, false, false));
    system.heldElsewhere.clear();  // the other program lets it go
    HotKeyList list;
    Define(list, 'K');
    EXPECT_TRUE(ctrl->SyncWith(list));
    EXPECT_EQ(system.Calls(), 0);
    EXPECT_FALSE(ctrl->IsRegistered('K', false, false, false));
}

TEST_F(SyncTest, RegistrationFailingLaterReportsFalseAndMakesTheSlotUnusable) {
    Start();
    system.heldElsewhere.insert({kModWin | kModShift, 'N'});  // taken after the probe
    HotKeyList list;
    Define(list, 'N', false, false, true);
    Define(list, 'O');
    EXPECT_FALSE(ctrl->SyncWith(list));
    EXPECT_TRUE(ctrl->IsRegistered('O', false, false, false));  // the sync went on
    EXPECT_FALSE(ctrl->IsRegistered('N', false, false, true));
    EXPECT_FALSE(ctrl->IsAvailable('N', false, false, true));
    system.heldElsewhere.clear();
    system.ResetCounts();
    EXPECT_TRUE(ctrl->SyncWith(list));
    EXPECT_EQ(system.Calls(), 0);
}

TEST_F(SyncTest, StuckUnregistrationStaysHeldAndIsRetried) {
    Start();
    HotKeyList list;
    Define(list, 'S');
    ASSERT_TRUE(ctrl->SyncWith(list));
    system.stuck.insert(ctrl->AtomOf('S', false, false, false));

    EXPECT_FALSE(ctrl->SyncWith(HotKeyList()));
    EXPECT_TRUE(ctrl->IsRegistered('S', false, false, false));
    EXPECT_FALSE(ctrl->IsAvailable('S', false, false, false));

    // Every later sync without a definition for it tries again; nothing else is called.
    system.ResetCounts();
    EXPECT_FALSE(ctrl->SyncWith(HotKeyList()));
    EXPECT_EQ(system.unregisters, 1);
    EXPECT_EQ(system.registers, 0);

    system.stuck.clear();
    EXPECT_TRUE(ctrl->UnregisterAll());
    EXPECT_FALSE(ctrl->IsRegistered('S', false, false, false));
    EXPECT_TRUE(ctrl->IsAvailable('S', false, false, false));
}

TEST_F(SyncTest, StuckProbeLeavesTheSlotHeldAndUnavailable) {
    // The fake numbers atoms in the order they are added; Win+T is the 20th combination probed.
    system.stuck.insert(0xC000 + 19);
    Start();
    EXPECT_TRUE(ctrl->IsRegistered('T', false, false, false));
    EXPECT_FALSE(ctrl->IsAvailable('T', false, false, false));
}

TEST_F(SyncTest, SlotWithoutAtomIsNeverRegisteredNorDeleted) {
    system.failAtoms.insert("TavrinChan_K");
    ctrl = std::make_unique<HotKeyAccessCtrl>(kWindow, "TavrinChan", system);
    EXPECT_EQ(system.registers, 207);
    EXPECT_EQ(ctrl->AtomOf('K', false, false, false), 0);
    EXPECT_FALSE(ctrl->IsAvailable('K', false, false, false));
    system.ResetCounts();
    EXPECT_FALSE(ctrl->RegisterKey('K', false, false, false));
    EXPECT_EQ(system.Calls(), 0);
    ctrl.reset();
    EXPECT_EQ(system.deletes, 207);
    EXPECT_EQ(system.deleted.count(0), 0u);
}

TEST_F(SyncTest, DestructionReleasesHeldCombinationsAndEveryAtom) {
    Start();
    HotKeyList list;
    Define(list, 'A');
    Define(list, 'B', true, true, true);
    ASSERT_TRUE(ctrl->SyncWith(list));
    system.ResetCounts();
    ctrl.reset();
    EXPECT_EQ(system.unregisters, 2);
    EXPECT_EQ(system.registers, 0);
    EXPECT_TRUE(system.held.empty());
    EXPECT_EQ(system.deletes, 208);
    for (const auto& [name, atom] : system.atoms) EXPECT_EQ(system.deleted.count(atom), 1u) << name;
}

TEST_F(SyncTest, DestructionRetriesStuckSlot) {
    Start();
    ASSERT_TRUE(ctrl->RegisterKey('D', false, false, false));
    const auto atom = ctrl->AtomOf('D', false, false, false);
    system.stuck.insert(atom);
    EXPECT_FALSE(ctrl->UnregisterAll());
    system.ResetCounts();
    ctrl.reset();
    EXPECT_EQ(system.unregisters, 1);  // tried once more, still failing
    EXPECT_EQ(system.held.count(atom), 1u);
}
