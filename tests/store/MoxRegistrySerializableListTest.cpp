// Saving and loading a list as "Count" plus numbered item keys.
#include <gtest/gtest.h>

#include <chrono>

#include "Exception.h"
#include "HotKeyList.h"
#include "MoxRegistry.h"
#include "RegistryTestBed.h"

namespace {
// A record that keeps one integer and, unlike HotKey, fails to load when it is missing.
class Number : public MoxRegistrySerializable {
public:
    int value = -1;
    void SaveToRegistry(MoxRegistry* registry) override { registry->WriteInteger("N", value); }
    void LoadFromRegistry(MoxRegistry* registry) override { value = registry->ReadInteger("N"); }
};

class NumberList : public MoxRegistrySerializableList {
public:
    ~NumberList() override { DeleteAllItems(); }
    int CreateNewItem() override { return AddItem(new Number); }
    void Append(int value) {
        auto* item = new Number;
        item->value = value;
        AddItem(item);
    }
    std::vector<int> Values() const {
        std::vector<int> out;
        for (int i = 0; i < Count(); ++i) out.push_back(static_cast<Number*>(GetItem(i))->value);
        return out;
    }
};

std::vector<AnsiString> ItemKeys(int count) {
    std::vector<AnsiString> names;
    for (int i = 0; i < count; ++i) names.push_back("N_" + std::to_string(i));
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

class ListStoreTest : public RegistryTest {
protected:
    void Save(NumberList& list) {
        MoxRegistry registry;
        registry.OpenPath(bed->Base());
        list.SaveToRegistry("N", &registry);
    }
    std::vector<int> Load() {
        MoxRegistry registry;
        registry.OpenPath(bed->Base());
        NumberList list;
        list.LoadFromRegistry("N", &registry);
        return list.Values();
    }
    void StoreNumbers(int count) {
        bed->PutDword("", "Count", static_cast<std::uint32_t>(count));
        for (int i = 0; i < count; ++i) bed->PutDword("N_" + std::to_string(i), "N", static_cast<std::uint32_t>(i));
    }
};

TEST_P(ListStoreTest, FirstLoadCreatesTheKeyAndWritesNothing) {
    MoxRegistry registry;
    registry.OpenPath(bed->Path("Fresh\\Key"));
    NumberList list;
    list.LoadFromRegistry("N", &registry);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(bed->KeyExists("Fresh\\Key"));
    EXPECT_EQ(bed->Values("Fresh\\Key"), std::vector<AnsiString>{});
}

TEST_P(ListStoreTest, ASmallerSaveDeletesTheItemKeysBeyondTheNewCount) {
    StoreNumbers(5);
    bed->PutDword("N_4\\Below", "V", 1);
    NumberList list;
    for (int v : {10, 11, 12}) list.Append(v);
    Save(list);
    EXPECT_EQ(bed->Get("", "Count"), Dword(3));
    EXPECT_EQ(bed->Subkeys(""), ItemKeys(3));
    EXPECT_EQ(bed->Get("N_2", "N"), Dword(12));
    EXPECT_EQ(Load(), (std::vector<int>{10, 11, 12}));
}

TEST_P(ListStoreTest, AnEmptySaveDeletesEveryCountedItem) {
    StoreNumbers(3);
    NumberList empty;
    Save(empty);
    EXPECT_EQ(bed->Get("", "Count"), Dword(0));
    EXPECT_EQ(bed->Subkeys(""), std::vector<AnsiString>{});
}

TEST_P(ListStoreTest, ItemsFollowTheirNumbersNotTheRegistrysOrder) {
    NumberList list;
    for (int v = 0; v < 12; ++v) list.Append(100 + v);
    Save(list);
    EXPECT_TRUE(bed->KeyExists("N_10"));
    EXPECT_FALSE(bed->KeyExists("N_010"));
    const auto loaded = Load();
    ASSERT_EQ(loaded.size(), 12u);
    EXPECT_EQ(loaded[2], 102);
    EXPECT_EQ(loaded[10], 110);
}

TEST_P(ListStoreTest, UnreadableCountsGiveAnEmptyListAndDeleteNothing) {
    const struct {
        const char* name;
        RawValue count;
    } cases[] = {
        {"minus one", Dword(0xFFFFFFFFu)},
        {"a string", Sz("3")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreNumbers(3);
        bed->Put("", "Count", c.count.type, c.count.data);
        EXPECT_EQ(Load(), std::vector<int>{});
        NumberList one;
        one.Append(7);
        Save(one);
        EXPECT_EQ(bed->Subkeys(""), ItemKeys(3));  // N_1 and N_2 stay: the old count read as 0
    }
}

TEST_P(ListStoreTest, KeysBeyondTheCountAreIgnoredAndOnlyDeletedByAShrinkingSave) {
    StoreNumbers(3);
    bed->PutDword("N_7", "N", 7);
    EXPECT_EQ(Load(), (std::vector<int>{0, 1, 2}));
    NumberList two;
    two.Append(0);
    two.Append(1);
    Save(two);
    EXPECT_TRUE(bed->KeyExists("N_7"));
    bed->PutDword("", "Count", 9);
    Save(two);
    EXPECT_FALSE(bed->KeyExists("N_7"));
}

TEST_P(ListStoreTest, AMissingItemKeyIsCreatedEmptyAndAFailedItemIsLeftOut) {
    bed->PutDword("", "Count", 3);
    bed->PutDword("N_0", "N", 0);
    bed->PutDword("N_2", "N", 2);
    EXPECT_EQ(Load(), (std::vector<int>{0, 2}));  // N_1 has no "N": its load raised
    EXPECT_TRUE(bed->KeyExists("N_1"));
}

TEST_P(ListStoreTest, AHugeStoredCountCostsBoundedWork) {
    StoreNumbers(4);
    bed->PutDword("", "Count", 0x7FFFFFFFu);
    const auto start = std::chrono::steady_clock::now();
    const auto loaded = Load();
    ASSERT_GE(loaded.size(), 4u);
    EXPECT_EQ(std::vector<int>(loaded.begin(), loaded.begin() + 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_LE(loaded.size(), static_cast<size_t>(MoxRegistrySerializableList::kMaxStoredCount));

    NumberList one;
    one.Append(9);
    bed->PutDword("", "Count", 0x7FFFFFFFu);
    Save(one);
    EXPECT_EQ(bed->Subkeys(""), ItemKeys(1));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

INSTANTIATE_FOR_EVERY_REGISTRY(ListStoreTest);

TEST(ListStoreFaults, AHugeCountOpensNoMoreKeysThanTheBound) {
    MemoryTestBed bed;
    bed.PutDword("", "Count", 0x7FFFFFFFu);
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    NumberList list;
    list.LoadFromRegistry("N", &registry);
    // Each item accessor opens the three components of its path.
    EXPECT_LE(bed.registry.OpenCount(), 3 * (MoxRegistrySerializableList::kMaxStoredCount + 1));
}

TEST(ListStoreFaults, AnUnwritableCountRaisesAndWritesNoItem) {
    MemoryTestBed bed;
    bed.registry.FailWrite(bed.Base(), "Count");
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    NumberList list;
    list.Append(1);
    EXPECT_THROW(list.SaveToRegistry("N", &registry), ERegistryException);
    EXPECT_FALSE(bed.KeyExists("N_0"));
}

TEST(ListStoreFaults, AnItemKeyThatCannotBeOpenedIsSkippedAndTheRestSaved) {
    MemoryTestBed bed;
    bed.registry.FailOpen(bed.Path("N_1"));
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    NumberList list;
    for (int v : {10, 11, 12}) list.Append(v);
    list.SaveToRegistry("N", &registry);
    EXPECT_EQ(bed.Get("", "Count"), Dword(3));
    EXPECT_EQ(bed.Get("N_0", "N"), Dword(10));
    EXPECT_FALSE(bed.KeyExists("N_1"));
    EXPECT_EQ(bed.Get("N_2", "N"), Dword(12));
}

TEST(ListStoreFaults, AnUnopenableHotKeyItemLoadsWithDefaults) {
    MemoryTestBed bed;
    bed.PutDword("", "Count", 2);
    bed.PutString("HotKey_0", "Key", "A");
    bed.PutString("HotKey_1", "Key", "B");
    bed.registry.FailOpen(bed.Path("HotKey_1"));
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    HotKeyList list;
    list.LoadFromRegistry("HotKey", &registry);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetHotKey(0)->GetKey(), 'A');
    EXPECT_EQ(list.GetHotKey(1)->GetKey(), '\0');
    EXPECT_EQ(list.GetHotKey(1)->GetShowCmd(), 5);
}

TEST(ListStoreFaults, AStaleKeyThatCannotBeDeletedStaysQuietly) {
    MemoryTestBed bed;
    bed.PutDword("", "Count", 3);
    for (int i = 0; i < 3; ++i) bed.PutDword("N_" + std::to_string(i), "N", 1);
    bed.registry.FailDelete(bed.Path("N_1"));
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    NumberList empty;
    EXPECT_NO_THROW(empty.SaveToRegistry("N", &registry));
    EXPECT_EQ(bed.Subkeys(""), std::vector<AnsiString>{"N_1"});
}

TEST(ListStoreFaults, AnUnopenedListKeyLoadsEmptyAndFailsToSave) {
    MemoryTestBed bed;
    bed.registry.FailOpen(bed.Base());
    MoxRegistry registry;
    EXPECT_FALSE(registry.OpenPath(bed.Base()));
    NumberList list;
    list.LoadFromRegistry("N", &registry);
    EXPECT_EQ(list.Count(), 0);
    list.Append(1);
    EXPECT_THROW(list.SaveToRegistry("N", &registry), ERegistryException);
}

TEST(ListIndexing, GetItemIsNullPastTheEndAndRaisesBelowZero) {
    NumberList list;
    list.Append(1);
    EXPECT_NE(list.GetItem(0), nullptr);
    EXPECT_EQ(list.GetItem(1), nullptr);
    EXPECT_THROW(list.GetItem(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
}
