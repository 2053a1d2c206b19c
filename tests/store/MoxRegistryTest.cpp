// The accessor and the registry contract below it, against every registry kind.
#include <gtest/gtest.h>

#include "Exception.h"
#include "MoxRegistry.h"
#include "RegistryTestBed.h"

#ifdef _WIN32
#include <windows.h>

TEST(Environment, AnsiCodePageIsShiftJis) {
    // Everything below that handles Japanese bytes is only meaningful under code page 932.
    EXPECT_EQ(GetACP(), 932u);
}
#endif

using MoxRegistryTest = RegistryTest;

TEST_P(MoxRegistryTest, OpenPathSkipsEmptyComponentsAndKeepsThePathAsGiven) {
    const struct {
        const char* name;
        std::string suffix;
    } cases[] = {
        {"plain", "A\\B\\C"},
        {"leading, doubled and trailing backslashes", "\\A\\\\B\\C\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnsiString path = bed->Base() + "\\" + c.suffix;
        MoxRegistry registry;
        ASSERT_TRUE(registry.OpenPath(path));
        EXPECT_EQ(registry.GetPath(), path);
        registry.WriteInteger("Here", 1);
        EXPECT_EQ(bed->Get("A\\B\\C", "Here"), Dword(1));
        EXPECT_EQ(bed->Subkeys(""), std::vector<AnsiString>{"A"});
        EXPECT_EQ(bed->Subkeys("A\\B\\C"), std::vector<AnsiString>{});
    }
}

TEST_P(MoxRegistryTest, BackslashInsideADoubleByteCharacterIsNoSeparator) {
    // "表" is 0x95 0x5C in Shift-JIS: its trail byte is the backslash byte.
    const AnsiString hyou = "表";
    ASSERT_EQ(hyou, "\x95\x5C");
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base() + "\\" + hyou + "\\x"));
    EXPECT_EQ(bed->Subkeys(""), std::vector<AnsiString>{hyou});
    EXPECT_EQ(bed->Subkeys(hyou), std::vector<AnsiString>{"x"});
}

TEST_P(MoxRegistryTest, ChildAccessorsOpenBelowTheirParentsPath) {
    MoxRegistry parent;
    ASSERT_TRUE(parent.OpenPath(bed->Base()));

    MoxRegistry child(&parent, "Item");
    EXPECT_EQ(child.GetPath(), bed->Base() + "\\Item");
    child.WriteInteger("V", 7);
    EXPECT_EQ(bed->Get("Item", "V"), Dword(7));

    MoxRegistry same(&parent, "");
    EXPECT_EQ(same.GetPath(), bed->Base());
    MoxRegistry copy(&child);
    EXPECT_EQ(copy.ReadInteger("V"), 7);
}

TEST_P(MoxRegistryTest, AccessorsBuiltFromAnUnopenedParentOpenNothing) {
    MoxRegistry unopened;
    MoxRegistry child(&unopened, "Software");
    MoxRegistry copy(&unopened);
    for (MoxRegistry* registry : {&child, &copy}) {
        EXPECT_EQ(registry->GetPath(), "");
        EXPECT_FALSE(registry->HasCurrentKey());
        EXPECT_THROW(registry->WriteInteger("V", 1), ERegistryException);
        EXPECT_FALSE(registry->DeleteKey("Software"));
    }
}

TEST_P(MoxRegistryTest, StringsAreStoredWithoutTheirTerminatingNul) {
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base()));
    registry.WriteString("Text", "notepad.exe");
    registry.WriteString("Empty", "");
    registry.WriteString("Japanese", "表示");
    EXPECT_EQ(bed->Get("", "Text"), Sz("notepad.exe"));
    EXPECT_EQ(bed->Get("", "Empty"), Sz(""));
    EXPECT_EQ(bed->Get("", "Japanese"), Sz("表示"));
    EXPECT_EQ(registry.ReadString("Japanese"), "表示");
}

TEST_P(MoxRegistryTest, ReadStringTakesBothStringTypesAsStored) {
    bed->PutString("", "WithNul", std::string("abc\0", 4));
    bed->PutString("", "WithoutNul", "abc");
    bed->PutString("", "Expandable", std::string("%WINDIR%\\x\0", 11), kRegExpandSz);
    bed->PutString("", "Empty", "");
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base()));
    EXPECT_EQ(registry.ReadString("WithNul"), "abc");
    EXPECT_EQ(registry.ReadString("WithoutNul"), "abc");
    EXPECT_EQ(registry.ReadString("Expandable"), "%WINDIR%\\x");
    EXPECT_EQ(registry.ReadString("Empty"), "");
    EXPECT_EQ(registry.ReadString("Missing"), "");
}

TEST_P(MoxRegistryTest, ReadsOfTheWrongTypeRaise) {
    bed->PutDword("", "Number", 42);
    bed->PutString("", "Text", "42");
    bed->Put("", "Binary", kRegBinary, std::string("\x2A\0\0\0", 4));
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base()));
    EXPECT_EQ(registry.ReadInteger("Number"), 42);
    EXPECT_TRUE(registry.ReadBool("Number"));
    EXPECT_THROW(registry.ReadString("Number"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Text"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Binary"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(registry.ReadBool("Missing"), ERegistryException);
}

TEST_P(MoxRegistryTest, IntegersAndBooleansAreDwords) {
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base()));
    registry.WriteInteger("Negative", -6);
    registry.WriteBool("Yes", true);
    registry.WriteBool("No", false);
    EXPECT_EQ(bed->Get("", "Negative"), Dword(0xFFFFFFFAu));
    EXPECT_EQ(bed->Get("", "Yes"), Dword(1));
    EXPECT_EQ(bed->Get("", "No"), Dword(0));
    EXPECT_EQ(registry.ReadInteger("Negative"), -6);
}

TEST_P(MoxRegistryTest, DeleteKeyTakesTheWholeTree) {
    bed->PutDword("Gone\\Deeper\\Deepest", "V", 1);
    bed->PutDword("Gone", "V", 1);
    bed->PutDword("Kept", "V", 1);
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed->Base()));
    EXPECT_TRUE(registry.DeleteKey("Gone"));
    EXPECT_FALSE(bed->KeyExists("Gone"));
    EXPECT_TRUE(bed->KeyExists("Kept"));
    EXPECT_FALSE(registry.DeleteKey("Gone"));
}

INSTANTIATE_FOR_EVERY_REGISTRY(MoxRegistryTest);

TEST(MoxRegistryFaults, AFailedComponentLeavesNoKeyOpenAndThePathAsItWas) {
    MemoryTestBed bed;
    bed.registry.FailOpen(bed.Path("Locked"));
    MoxRegistry registry;
    ASSERT_TRUE(registry.OpenPath(bed.Base()));
    // A second path opens below the key the accessor has open.
    EXPECT_FALSE(registry.OpenPath("Locked\\Below"));
    EXPECT_EQ(registry.GetPath(), bed.Base());
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_THROW(registry.WriteInteger("V", 1), ERegistryException);
    EXPECT_FALSE(bed.KeyExists("Locked"));
}

TEST(MoxRegistryFaults, AccessorsCloseEveryKeyTheyOpen) {
    MemoryTestBed bed;
    {
        MoxRegistry registry;
        registry.OpenPath(bed.Path("A\\B\\C"));
        MoxRegistry child(&registry, "D");
    }
    EXPECT_EQ(bed.registry.OpenHandles(), 0u);
}
