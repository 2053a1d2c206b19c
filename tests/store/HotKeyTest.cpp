// The definition record: its Extra encoding and its stored values.
#include <gtest/gtest.h>

#include <functional>

#include "Exception.h"
#include "HotKey.h"
#include "MoxRegistry.h"
#include "RegistryTestBed.h"

TEST(HotKeyExtra, ShellBindKeepsOnlyFiveBitsOfTheNumber) {
    const struct {
        int number, extra;
    } cases[] = {{0, 2}, {3, 26}, {9, 74}, {31, 250}, {32, 2}, {33, 10}, {-1, 250}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        HotKey hotKey;
        hotKey.SetShellBind(c.number);
        EXPECT_EQ(hotKey.GetExtra(), c.extra);
        EXPECT_TRUE(hotKey.IsShellBind());
    }
}

TEST(HotKeyExtra, ModeTestsOnRawValues) {
    const struct {
        int extra;
        bool launch, popup, shellBind;
        int number;
    } cases[] = {
        {0, true, false, false, 0},    {1, false, true, false, 0},   {2, false, false, true, 0},
        {26, false, false, true, 3},   {8, false, false, false, 1},  {3, false, false, false, 0},
        {257, false, true, false, 0},  {-6, false, false, true, 31}, {122, false, false, true, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra);
        HotKey hotKey;
        hotKey.SetExtra(c.extra);
        EXPECT_EQ(hotKey.IsLaunch(), c.launch);
        EXPECT_EQ(hotKey.IsPopup(), c.popup);
        EXPECT_EQ(hotKey.IsShellBind(), c.shellBind);
        EXPECT_EQ(hotKey.GetShellBindNumber(), c.number);
        EXPECT_EQ(HotKey::IsLaunchExtra(c.extra), c.launch);
        EXPECT_EQ(HotKey::IsPopupExtra(c.extra), c.popup);
        EXPECT_EQ(HotKey::IsShellBindExtra(c.extra), c.shellBind);
        EXPECT_EQ(HotKey::ShellBindNumberOf(c.extra), c.number);
    }
}

TEST(HotKeyRecord, KeyIsOneCharacterOrNone) {
    HotKey hotKey;
    EXPECT_EQ(hotKey.GetKey(), '\0');
    hotKey.SetKey('Q');
    EXPECT_EQ(hotKey.GetKey(), 'Q');
    hotKey.SetKey('\0');
    EXPECT_EQ(hotKey.GetKey(), '\0');
}

TEST(HotKeyRecord, CopiesTakeEveryFieldButOnlyTheFirstKeyCharacter) {
    MemoryTestBed bed;
    bed.PutString("", "Key", "AB");
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    HotKey source;
    source.LoadFromRegistry(&registry);
    source.SetCtrl(true);
    source.SetShift(true);
    source.SetCommand("c");
    source.SetDirectory("d");
    source.SetParameters("p");
    source.SetExtra(74);
    source.SetShowCmd(3);

    HotKey copy(&source);
    HotKey assigned;
    assigned.Assign(source);
    for (const HotKey* h : {&copy, &assigned}) {
        EXPECT_EQ(h->GetKey(), 'A');
        EXPECT_TRUE(h->GetCtrl());
        EXPECT_FALSE(h->GetAlt());
        EXPECT_TRUE(h->GetShift());
        EXPECT_EQ(h->GetCommand(), "c");
        EXPECT_EQ(h->GetDirectory(), "d");
        EXPECT_EQ(h->GetParameters(), "p");
        EXPECT_EQ(h->GetExtra(), 74);
        EXPECT_EQ(h->GetShowCmd(), 3);
    }
    // The source itself still writes its whole two-letter Key back.
    source.SaveToRegistry(&registry);
    EXPECT_EQ(bed.Get("", "Key"), Sz("AB"));
    source.Assign(source);
    EXPECT_EQ(source.GetCommand(), "c");
    EXPECT_EQ(HotKey(nullptr).GetShowCmd(), 5);
}

using HotKeyStoreTest = RegistryTest;

TEST_P(HotKeyStoreTest, ANewRecordSavesItsDefaults) {
    MoxRegistry registry;
    registry.OpenPath(bed->Base());
    HotKey().SaveToRegistry(&registry);
    EXPECT_EQ(bed->Values(""), (std::vector<AnsiString>{"Alt", "Command", "Ctrl", "Directory", "Extra", "Key",
                                                         "Parameters", "Shift", "ShowCmd"}));
    for (const char* name : {"Key", "Command", "Directory", "Parameters"}) EXPECT_EQ(bed->Get("", name), Sz(""));
    for (const char* name : {"Ctrl", "Alt", "Shift", "Extra"}) EXPECT_EQ(bed->Get("", name), Dword(0));
    EXPECT_EQ(bed->Get("", "ShowCmd"), Dword(5));
}

TEST_P(HotKeyStoreTest, AFullRecordRoundTripsWithJapaneseTexts) {
    HotKey original;
    original.SetKey('N');
    original.SetAlt(true);
    original.SetShift(true);
    original.SetCommand("C:\\表示\\メモ帳.exe");
    original.SetDirectory("C:\\作業");
    original.SetParameters("/a \"b c\"");
    original.SetShowCmd(6);
    MoxRegistry registry;
    registry.OpenPath(bed->Base());
    original.SaveToRegistry(&registry);
    EXPECT_EQ(bed->Get("", "Command"), Sz("C:\\表示\\メモ帳.exe"));

    HotKey loaded;
    loaded.LoadFromRegistry(&registry);
    EXPECT_EQ(loaded.GetKey(), 'N');
    EXPECT_FALSE(loaded.GetCtrl());
    EXPECT_TRUE(loaded.GetAlt());
    EXPECT_TRUE(loaded.GetShift());
    EXPECT_EQ(loaded.GetCommand(), original.GetCommand());
    EXPECT_EQ(loaded.GetDirectory(), original.GetDirectory());
    EXPECT_EQ(loaded.GetParameters(), original.GetParameters());
    EXPECT_EQ(loaded.GetExtra(), 0);
    EXPECT_EQ(loaded.GetShowCmd(), 6);
}

TEST_P(HotKeyStoreTest, AnUnreadableValueEndsOnlyItsOwnGroup) {
    struct Expected {
        char key;
        bool ctrl, alt;
        AnsiString command;
        int extra, showCmd;
    };
    const struct {
        const char* name;
        std::function<void(RegistryTestBed&)> spoil;
        Expected expected;
    } cases[] = {
        {"Ctrl a string", [](RegistryTestBed& b) { b.Put("Item", "Ctrl", kRegSz, "1"); },
         {'K', false, false, "cmd", 74, 3}},
        {"Key a dword", [](RegistryTestBed& b) { b.PutDword("Item", "Key", 65); },
         {'\0', false, false, "cmd", 74, 3}},
        {"Extra a string", [](RegistryTestBed& b) { b.PutString("Item", "Extra", "74"); },
         {'K', true, true, "cmd", 0, 5}},
        {"Command a dword", [](RegistryTestBed& b) { b.PutDword("Item", "Command", 1); },
         {'K', true, true, "", 0, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bed->PutString("Item", "Key", "K");
        bed->PutDword("Item", "Ctrl", 1);
        bed->PutDword("Item", "Alt", 1);
        bed->PutDword("Item", "Shift", 0);
        bed->PutString("Item", "Command", "cmd");
        bed->PutDword("Item", "Extra", 74);
        bed->PutDword("Item", "ShowCmd", 3);
        c.spoil(*bed);
        MoxRegistry registry;
        registry.OpenPath(bed->Path("Item"));
        HotKey loaded;
        loaded.LoadFromRegistry(&registry);
        EXPECT_EQ(loaded.GetKey(), c.expected.key);
        EXPECT_EQ(loaded.GetCtrl(), c.expected.ctrl);
        EXPECT_EQ(loaded.GetAlt(), c.expected.alt);
        EXPECT_EQ(loaded.GetCommand(), c.expected.command);
        EXPECT_EQ(loaded.GetExtra(), c.expected.extra);
        EXPECT_EQ(loaded.GetShowCmd(), c.expected.showCmd);
    }
}

TEST_P(HotKeyStoreTest, ExpandableCommandsAreNotExpanded) {
    bed->PutString("", "Command", std::string("%SystemRoot%\\notepad.exe\0", 25), kRegExpandSz);
    MoxRegistry registry;
    registry.OpenPath(bed->Base());
    HotKey loaded;
    loaded.LoadFromRegistry(&registry);
    EXPECT_EQ(loaded.GetCommand(), "%SystemRoot%\\notepad.exe");
}

INSTANTIATE_FOR_EVERY_REGISTRY(HotKeyStoreTest);

TEST(HotKeyStoreFaults, ASaveStopsAtTheFirstValueThatCannotBeWritten) {
    MemoryTestBed bed;
    bed.registry.FailWrite(bed.Base(), "Command");
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    HotKey hotKey;
    hotKey.SetKey('A');
    EXPECT_THROW(hotKey.SaveToRegistry(&registry), ERegistryException);
    EXPECT_EQ(bed.Values(""), (std::vector<AnsiString>{"Alt", "Ctrl", "Key", "Shift"}));
}
