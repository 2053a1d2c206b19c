// The list's lookup, store and copy rules.
#include <gtest/gtest.h>

#include <set>

#include "Exception.h"
#include "HotKeyList.h"
#include "HotKeyStore.h"
#include "MoxRegistry.h"
#include "RegistryTestBed.h"

namespace {
// Records that note their destruction, so tests see what the list destroys.
std::set<std::string> destroyed;

class Tracked : public HotKey {
public:
    Tracked(const std::string& tag, char key, bool ctrl, const AnsiString& command, int extra = 0) : tag_(tag) {
        SetKey(key);
        SetCtrl(ctrl);
        SetCommand(command);
        SetExtra(extra);
    }
    ~Tracked() override { destroyed.insert(tag_); }

private:
    std::string tag_;
};

// The list as "letter[+C]:command" entries.
std::vector<std::string> Describe(const HotKeyList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) {
        const HotKey* h = list.GetHotKey(i);
        out.push_back(std::string(1, h->GetKey() ? h->GetKey() : '?') + (h->GetCtrl() ? "+C" : "") + ":" +
                      h->GetCommand());
    }
    return out;
}

class HotKeyListTest : public ::testing::Test {
protected:
    void SetUp() override { destroyed.clear(); }
};
}  // namespace

TEST_F(HotKeyListTest, StoreReplacesTheCombinationAndMovesItToTheEnd) {
    HotKeyList list;
    list.Store(new Tracked("old", 'A', true, "x"));
    list.Store(new Tracked("b", 'B', false, "y"));
    list.Store(new Tracked("new", 'A', true, "z"));
    EXPECT_EQ(Describe(list), (std::vector<std::string>{"B:y", "A+C:z"}));
    EXPECT_EQ(destroyed, std::set<std::string>{"old"});
}

TEST_F(HotKeyListTest, StoringAnEmptyDefinitionDeletesTheCombination) {
    HotKeyList list;
    list.Store(new Tracked("a", 'A', true, "x"));
    list.Store(new Tracked("b", 'B', false, "y"));
    list.Store(new Tracked("empty", 'A', true, ""));
    EXPECT_EQ(Describe(list), std::vector<std::string>{"B:y"});
    EXPECT_EQ(destroyed, (std::set<std::string>{"a", "empty"}));

    list.Store(new Tracked("unmatched", 'Z', false, ""));
    EXPECT_EQ(Describe(list), std::vector<std::string>{"B:y"});
    EXPECT_TRUE(destroyed.count("unmatched"));
}

TEST_F(HotKeyListTest, ModesWithoutACommandAreNoEmptyDefinitions) {
    HotKeyList list;
    list.Store(new Tracked("popup", 'P', false, "", 1));
    list.Store(new Tracked("odd", 'Q', false, "", 8));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(destroyed.empty());
    list.Store(nullptr);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(HotKeyListTest, RestoringAHeldRecordKeepsItAliveAndOnce) {
    HotKeyList list;
    list.Store(new Tracked("a", 'A', false, "x"));
    list.Store(new Tracked("b", 'B', false, "y"));
    HotKey* held = list.Find('A', false, false, false);
    held->SetCommand("changed");
    list.Store(held);
    EXPECT_EQ(Describe(list), (std::vector<std::string>{"B:y", "A:changed"}));
    EXPECT_TRUE(destroyed.empty());

    held->SetCommand("");
    list.Store(held);  // now an empty definition: the list lets it go
    EXPECT_EQ(Describe(list), std::vector<std::string>{"B:y"});
    EXPECT_EQ(destroyed, std::set<std::string>{"a"});
}

TEST_F(HotKeyListTest, LookupComparesTheLetterExactlyAndFindsTheFirst) {
    HotKeyList loaded;  // as a load leaves it: duplicates stay
    for (auto [key, command] : {std::pair{'B', "0"}, {'C', "1"}, {'A', "2"}, {'D', "3"}, {'E', "4"}, {'A', "5"}}) {
        const int index = loaded.CreateNewItem();
        loaded.GetHotKey(index)->SetKey(key);
        loaded.GetHotKey(index)->SetCommand(command);
    }
    EXPECT_EQ(loaded.IndexOf('A', false, false, false), 2);
    EXPECT_EQ(loaded.IndexOf('a', false, false, false), -1);
    EXPECT_EQ(loaded.IndexOf('A', true, false, false), -1);
    EXPECT_EQ(loaded.Find('A', false, false, false)->GetCommand(), "2");
    EXPECT_EQ(loaded.IndexOf(nullptr), -1);
    EXPECT_EQ(loaded.Find(nullptr), nullptr);
    EXPECT_THROW(loaded.GetHotKey(6), EListError);
}

TEST_F(HotKeyListTest, CopiesKeepTheLastRecordOfEachCombination) {
    const struct {
        const char* name;
        std::vector<std::pair<char, const char*>> source;
        std::vector<std::string> copy;
    } cases[] = {
        {"later one wins", {{'A', "x"}, {'B', "y"}, {'A', "z"}}, {"B:y", "A:z"}},
        {"empty definition removes", {{'A', "x"}, {'A', ""}}, {}},
        {"singles keep their order", {{'C', "1"}, {'A', "2"}, {'B', "3"}}, {"C:1", "A:2", "B:3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HotKeyList source;
        for (auto [key, command] : c.source) {
            const int index = source.CreateNewItem();
            source.GetHotKey(index)->SetKey(key);
            source.GetHotKey(index)->SetCommand(command);
        }
        HotKeyList copy(&source);
        EXPECT_EQ(Describe(copy), c.copy);
        EXPECT_EQ(source.Count(), static_cast<int>(c.source.size()));
        if (copy.Count() > 0) {
            EXPECT_NE(copy.GetHotKey(0), source.GetHotKey(0));
        }
    }
    EXPECT_EQ(HotKeyList(nullptr).Count(), 0);
}

TEST(HotKeyListStore, AGapInTheItemsLoadsAsALetterlessRecordThatCopiesDrop) {
    MemoryTestBed bed;
    bed.PutDword("", "Count", 2);
    bed.PutString("HotKey_0", "Key", "A");
    bed.PutDword("HotKey_0", "Ctrl", 0);
    bed.PutDword("HotKey_0", "Alt", 0);
    bed.PutDword("HotKey_0", "Shift", 0);
    bed.PutString("HotKey_0", "Command", "notepad");
    MoxRegistry registry;
    registry.OpenPath(bed.Base());
    HotKeyList loaded;
    loaded.LoadFromRegistry("HotKey", &registry);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.GetHotKey(1)->GetKey(), '\0');
    EXPECT_TRUE(loaded.GetHotKey(1)->IsEmptyDefinition());
    HotKeyList working(&loaded);
    EXPECT_EQ(Describe(working), std::vector<std::string>{"A:notepad"});
}

TEST(HotKeyListStore, TheStoredDefinitionsRoundTripUnderTheProgramsKey) {
    MemoryTestBed bed;
    EXPECT_EQ(LoadStoredHotKeys()->Count(), 0);
    EXPECT_TRUE(bed.registry.KeyExists("Software\\MoxApp\\TavrinChan\\HotKeys"));
    EXPECT_TRUE(bed.registry.ValueNames("Software\\MoxApp\\TavrinChan\\HotKeys").empty());

    HotKeyList list;
    list.Store(new Tracked("k", 'K', true, "calc"));
    SaveStoredHotKeys(list);
    EXPECT_EQ(bed.registry.Get("Software\\MoxApp\\TavrinChan\\HotKeys\\HotKey_0", "Command"), Sz("calc"));
    EXPECT_EQ(Describe(*LoadStoredHotKeys()), std::vector<std::string>{"K+C:calc"});
}
