#include "StoredDefinitions.h"
#include "fakes/FakeRegistry.h"
#include "model/ERegistryException.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/RegistryApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using stored::kListKey;

std::string item(int i) {
    return stored::itemKey(i);
}

class HotKeyListStorage : public ::testing::Test {
protected:
    FakeRegistry fake;
    platform::Seam<platform::RegistryApi>::Scoped scope{fake};

    void save(HotKeyList& list) {
        QelRegistry registry;
        registry.openPath(kListKey);
        list.save("HotKey", registry);
    }

    std::unique_ptr<HotKeyList> load() {
        auto list = std::make_unique<HotKeyList>();
        QelRegistry registry;
        registry.openPath(kListKey);
        list->load("HotKey", registry);
        return list;
    }

    static std::unique_ptr<HotKeyList> launches(int n) {
        auto list = std::make_unique<HotKeyList>();
        for (int i = 0; i < n; ++i) {
            auto* key = new HotKey();
            key->setKeyLetter(static_cast<char>('A' + i % 26));
            key->setCtrl(i / 26 % 2);
            key->setAlt(i / 52 % 2);
            key->setShift(i / 104 % 2);
            key->setCommand("cmd" + std::to_string(i));
            list->addOrReplace(key);
        }
        return list;
    }

    void seedItem(int i, const std::string& letter, const std::string& command) {
        stored::storeItem(fake, i, letter, false, command);
    }
};

} // namespace

TEST_F(HotKeyListStorage, SaveWritesTheLayoutValueByValue) {
    HotKeyList list;
    auto* key = new HotKey();
    key->setKeyLetter('Q');
    key->setAlt(true);
    key->setShift(true);
    key->setCommand("notepad.exe");
    key->setDirectory("C:\\");
    key->setParameters("a.txt");
    key->setShowCmd(3);
    list.addOrReplace(key);
    save(list);

    EXPECT_EQ(fake.dwordValue(kListKey, "Count"), 1u);
    const auto& values = fake.findKey(item(0))->values;
    EXPECT_EQ(values.size(), 9u);
    EXPECT_EQ(fake.stringValue(item(0), "Key"), "Q");
    EXPECT_EQ(fake.dwordValue(item(0), "Ctrl"), 0u);
    EXPECT_EQ(fake.dwordValue(item(0), "Alt"), 1u);
    EXPECT_EQ(fake.dwordValue(item(0), "Shift"), 1u);
    EXPECT_EQ(fake.stringValue(item(0), "Command"), "notepad.exe");
    EXPECT_EQ(fake.stringValue(item(0), "Directory"), "C:\\");
    EXPECT_EQ(fake.stringValue(item(0), "Parameters"), "a.txt");
    EXPECT_EQ(fake.dwordValue(item(0), "Extra"), 0u);
    EXPECT_EQ(fake.dwordValue(item(0), "ShowCmd"), 3u);
    EXPECT_EQ(fake.findValue(item(0), "Ctrl")->type, platform::kRegDword);
    EXPECT_EQ(fake.openHandles(), 0u);
}

TEST_F(HotKeyListStorage, SaveDeletesSurplusItemKeysOnly) {
    struct Case {
        int before, after;
    };
    for (Case c : {Case{5, 3}, Case{2, 0}, Case{3, 5}}) {
        fake.removeKey("Software");
        save(*launches(c.before));
        fake.makeKey(item(7) + "x"); // not an item name: never touched
        save(*launches(c.after));
        EXPECT_EQ(fake.dwordValue(kListKey, "Count"), static_cast<unsigned>(c.after));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(fake.hasKey(item(i)), i < std::max(c.after, 0))
                << c.before << "->" << c.after;
        EXPECT_TRUE(fake.hasKey(item(7) + "x"));
    }
}

// At rest the key holds "Count" and the items below it, nothing else of ours.
TEST_F(HotKeyListStorage, ItemKeysBeyondTheStoredCountAreNeverReadAndASaveClearsThem) {
    save(*launches(3));
    seedItem(7, "Z", "stale");
    EXPECT_EQ(load()->count(), 3);
    save(*launches(3));
    EXPECT_FALSE(fake.hasKey(item(7)));
    EXPECT_EQ(fake.subKeyNames(kListKey).size(), 3u);
}

TEST_F(HotKeyListStorage, SavingTwiceLeavesTheStoreUnchanged) {
    auto list = launches(30);
    save(*list);
    auto before = fake.keyCount();
    auto command = fake.stringValue(item(29), "Command");
    save(*list);
    EXPECT_EQ(fake.keyCount(), before);
    EXPECT_EQ(fake.stringValue(item(29), "Command"), command);
}

TEST_F(HotKeyListStorage, RoundTripKeepsOrderAndEveryField) {
    auto list = launches(208);
    list->at(5)->setBind(31);
    list->at(5)->setCommand("");
    list->at(6)->setPopup();
    list->at(7)->setParameters("\x82\xa0\xe9 \"q\"");
    save(*list);
    auto loaded = load();
    ASSERT_EQ(loaded->count(), 208);
    for (int i = 0; i < 208; ++i) {
        const HotKey* a = list->at(i);
        const HotKey* b = loaded->at(i);
        EXPECT_EQ(a->key(), b->key());
        EXPECT_EQ(a->ctrl(), b->ctrl());
        EXPECT_EQ(a->alt(), b->alt());
        EXPECT_EQ(a->shift(), b->shift());
        EXPECT_EQ(a->command(), b->command());
        EXPECT_EQ(a->parameters(), b->parameters());
        EXPECT_EQ(a->extra(), b->extra());
        EXPECT_EQ(a->showCmd(), b->showCmd());
    }
}

TEST_F(HotKeyListStorage, MissingItemKeyLoadsDefaultsAndIsCreated) {
    fake.setDword(kListKey, "Count", 2);
    seedItem(0, "A", "x");
    auto list = load();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->at(0)->command(), "x");
    EXPECT_TRUE(list->at(1)->isEmptyDefinition());
    EXPECT_EQ(list->at(1)->showCmd(), 5);
    EXPECT_TRUE(fake.hasKey(item(1)));
    HotKeyList installed(list.get());
    EXPECT_EQ(installed.count(), 1);
}

TEST_F(HotKeyListStorage, AnUnreadableValueEndsOnlyItsOwnGroup) {
    fake.setDword(kListKey, "Count", 3);
    // "Ctrl" as text: the letter stays, the flags keep their defaults.
    seedItem(0, "A", "x");
    fake.setString(item(0), "Ctrl", "1");
    fake.setDword(item(0), "Alt", 1);
    fake.setDword(item(0), "Extra", 0);
    fake.setDword(item(0), "ShowCmd", 6);
    // "Key" missing but "Ctrl" 1; "Extra" missing and "ShowCmd" 3.
    fake.setDword(item(1), "Ctrl", 1);
    fake.setDword(item(1), "ShowCmd", 3);
    fake.setString(item(1), "Command", "y");
    // "Extra" 4294967290 is a bind with identifier 31; a two-letter key.
    seedItem(2, "BX", "");
    fake.setDword(item(2), "Extra", 4294967290u);
    fake.setDword(item(2), "ShowCmd", 5);

    auto list = load();
    ASSERT_EQ(list->count(), 3);
    const HotKey* a = list->at(0);
    EXPECT_EQ(a->key(), "A");
    EXPECT_FALSE(a->ctrl() || a->alt() || a->shift());
    EXPECT_EQ(a->command(), "x");
    EXPECT_EQ(a->showCmd(), 6);
    const HotKey* b = list->at(1);
    EXPECT_EQ(b->keyLetter(), '\0');
    EXPECT_TRUE(b->ctrl());
    EXPECT_EQ(b->command(), "y");
    EXPECT_EQ(b->extra(), 0);
    EXPECT_EQ(b->showCmd(), 5);
    const HotKey* c = list->at(2);
    EXPECT_EQ(c->extra(), -6);
    EXPECT_TRUE(c->isBind());
    EXPECT_EQ(c->bindId(), 31);
    EXPECT_EQ(c->key(), "BX");
    EXPECT_EQ(HotKey(c).key(), "B");
}

// A "Count" that is missing, negative or not a number hides nothing: the
// items from HotKey_0 up to the first one missing load, without creating a
// key. "Count" 0 is an empty list, whatever keys remain beside it.
TEST_F(HotKeyListStorage, CountZeroIsEmptyAndAnUnusableCountLoadsUpToTheFirstGap) {
    for (auto [seed, loads] : std::vector<std::pair<std::function<void()>, int>>{
             {[&] { fake.setDword(kListKey, "Count", 0xFFFFFFFF); }, 2},
             {[&] { fake.setDword(kListKey, "Count", 0); }, 0},
             {[&] { fake.setString(kListKey, "Count", "2"); }, 2},
             {[&] {
                  fake.setValue(kListKey, "Count", platform::kRegBinary, {2, 0, 0, 0});
              },
              2},
             {[&] {}, 2}}) {
        fake.removeKey("Software");
        seedItem(0, "A", "x");
        seedItem(1, "B", "y");
        seedItem(3, "D", "beyond the gap");
        fake.makeKey(kListKey + "\\HotKey_02");
        seed();
        auto keys = fake.keyCount();
        auto list = load();
        ASSERT_EQ(list->count(), loads);
        if (loads > 0) {
            EXPECT_EQ(list->at(1)->command(), "y");
        }
        EXPECT_EQ(fake.keyCount(), keys);
    }
}

TEST_F(HotKeyListStorage, HugeCountLoadsOnlyWhatExists) {
    for (std::uint32_t count : {2147483647u, 100000000u}) {
        fake.removeKey("Software");
        fake.setDword(kListKey, "Count", count);
        seedItem(0, "A", "x");
        seedItem(1, "B", "y");
        auto keys = fake.keyCount();
        fake.resetCalls();
        auto list = load();
        ASSERT_EQ(list->count(), 2) << count;
        EXPECT_EQ(list->at(1)->command(), "y");
        EXPECT_EQ(fake.keyCount(), keys) << count;
        EXPECT_LT(fake.callCount(), 200) << count;
    }
}

// What a plain loop up to "Count" would read, without creating the keys
// that are missing, when the count is not trusted; and a save of the loaded
// definitions leaves them alone below the new count (other keys untouched).
TEST_F(HotKeyListStorage, DistrustedCountLosesNoStoredDefinition) {
    struct Case {
        std::uint32_t count;
        std::vector<std::string> present; // item keys, seeded in this order
        std::vector<std::string> loaded;  // the keys whose commands load, in order
        std::vector<std::string> after;   // the sub-keys after a save of the copy
    };
    const Case cases[] = {
        {300, {"HotKey_299", "HotKey_0"}, {"HotKey_0", "HotKey_299"}, {"HotKey_0", "HotKey_1"}},
        {300, {"HotKey_299"}, {"HotKey_299"}, {"HotKey_0"}},
        {1000,
         {"HotKey_1000", "HotKey_999", "hotkey_7", "HotKey_5", "HotKey_007", "HotKey_12x", "Other"},
         {"HotKey_5", "hotkey_7", "HotKey_999"},
         {"HotKey_0", "HotKey_007", "HotKey_1", "HotKey_12x", "HotKey_2", "Other"}},
        {259,
         {"HotKey_3", "HotKey_258", "HotKey_259"},
         {"HotKey_3", "HotKey_258"},
         {"HotKey_0", "HotKey_1"}},
        {2147483647u,
         {"HotKey_0", "HotKey_1", "HotKey_2", "HotKey_5", "HotKey_999999", "HotKey_2147483647"},
         {"HotKey_0", "HotKey_1", "HotKey_2", "HotKey_5", "HotKey_999999"},
         {"HotKey_0", "HotKey_1", "HotKey_2", "HotKey_3", "HotKey_4"}},
    };
    for (const Case& c : cases) {
        fake.removeKey("Software");
        fake.setDword(kListKey, "Count", c.count);
        int n = 0;
        for (const std::string& name : c.present) {
            std::string path = kListKey + "\\" + name;
            if (name == "Other" || name.find('x') != std::string::npos) {
                fake.makeKey(path);
                continue;
            }
            fake.setString(path, "Key", std::string(1, static_cast<char>('A' + n++)));
            fake.setString(path, "Command", name);
        }
        auto keys = fake.keyCount();
        auto list = load();
        std::vector<std::string> commands;
        for (int i = 0; i < list->count(); ++i)
            commands.push_back(list->at(i)->command());
        EXPECT_EQ(commands, c.loaded) << c.count;
        EXPECT_EQ(fake.keyCount(), keys) << c.count << ": loading created keys";

        HotKeyList installed(list.get());
        save(installed);
        EXPECT_EQ(fake.dwordValue(kListKey, "Count"), c.loaded.size());
        EXPECT_EQ(fake.subKeyNames(kListKey), c.after) << c.count;
        auto again = load();
        ASSERT_EQ(again->count(), static_cast<int>(c.loaded.size()));
        for (size_t i = 0; i < c.loaded.size(); ++i)
            EXPECT_EQ(again->at(static_cast<int>(i))->command(), c.loaded[i]);
    }
}

TEST_F(HotKeyListStorage, LargeCountOfExistingItemsIsStillWalkedByName) {
    // 258 with 257 sub-keys is trusted: the plain loop, which creates the
    // one that is missing.
    fake.setDword(kListKey, "Count", 258);
    for (int i = 0; i < 257; ++i)
        seedItem(i, "A", "c" + std::to_string(i));
    auto list = load();
    ASSERT_EQ(list->count(), 258);
    EXPECT_EQ(list->at(256)->command(), "c256");
    EXPECT_TRUE(list->at(257)->isEmptyDefinition());
    EXPECT_TRUE(fake.hasKey(item(257)));
}

TEST_F(HotKeyListStorage, SubKeysThatCannotBeListedLoadNoFurtherThanATrustedCount) {
    fake.setDword(kListKey, "Count", 300);
    seedItem(0, "A", "x");
    seedItem(299, "B", "y");
    fake.failFunction("RegQueryInfoKeyA");
    auto list = load();
    EXPECT_EQ(list->count(), QelRegistrySerializableList::kTrustedCount);
    EXPECT_EQ(list->at(0)->command(), "x");
}

TEST_F(HotKeyListStorage, SaveOverAHugeCountDeletesOnlyExistingSurplus) {
    fake.setDword(kListKey, "Count", 2147483647u);
    for (int i : {0, 1, 2, 5, 999999})
        seedItem(i, "A", "x");
    fake.makeKey(kListKey + "\\HotKey_007");
    fake.makeKey(kListKey + "\\Other");
    fake.resetCalls();
    save(*launches(2));
    EXPECT_LT(fake.callCount(), 200);
    EXPECT_EQ(fake.subKeyNames(kListKey),
              (std::vector<std::string>{"HotKey_0", "HotKey_007", "HotKey_1", "Other"}));
}

TEST_F(HotKeyListStorage, OddTextValuesLoadAndRoundTrip) {
    fake.setDword(kListKey, "Count", 2);
    seedItem(0, "", std::string(1 << 20, 'c'));
    fake.setString(item(1), "Key", std::string(300, 'K'));
    fake.setValue(item(1), "Directory", platform::kRegExpandSz, {'%', 'T', '%', 0, 'x'});
    fake.setValue(item(1), "Extra", platform::kRegBinary, {1, 0, 0, 0});
    auto list = load();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->at(0)->command().size(), 1u << 20);
    EXPECT_EQ(list->at(0)->keyLetter(), '\0');
    EXPECT_EQ(list->at(1)->keyLetter(), 'K');
    EXPECT_EQ(list->at(1)->directory(), "%T%");
    EXPECT_EQ(list->at(1)->extra(), 0);
    EXPECT_EQ(list->at(1)->showCmd(), 5);
}

// The load's bound is the save's: a text that fits the load's buffer with
// the null the system reads back after it saves and loads as it was; one
// byte more is refused before anything is stored.
TEST_F(HotKeyListStorage, NothingIsSavedThatWouldNotLoad) {
    save(*launches(2));
    const size_t largest = QelRegistry::kMaxTextBytes - 1;
    for (size_t size : {largest, largest + 1}) {
        auto list = launches(2);
        list->at(1)->setParameters(std::string(size, 'p'));
        if (size > largest) {
            EXPECT_THROW(save(*list), ERegistryException);
            EXPECT_EQ(load()->at(1)->parameters(), std::string(largest, 'p'));
            EXPECT_EQ(fake.subKeyNames(kListKey).size(), 2u);
            continue;
        }
        save(*list);
        EXPECT_EQ(load()->at(1)->parameters().size(), size);
    }
}

TEST_F(HotKeyListStorage, OversizedValuesEndOnlyTheirGroup) {
    fake.setDword(kListKey, "Count", 3);
    seedItem(0, "A", "x");
    fake.setHugeValue(item(0), "Ctrl", platform::kRegDword, 300u << 20, 1);
    fake.setDword(item(0), "Alt", 1);
    fake.setString(item(0), "Directory", "d");
    fake.setHugeValue(item(0), "Parameters", platform::kRegSz, 0xFFFFFFFFu, 'p');
    fake.setDword(item(0), "ShowCmd", 3);
    seedItem(1, "B", "y");
    fake.setHugeValue(item(1), "Key", platform::kRegBinary, 300u << 20, 'B');
    fake.setDword(item(1), "Alt", 1);
    fake.setHugeValue(item(1), "Command", platform::kRegSz,
                      static_cast<platform::Dword>(QelRegistry::kMaxTextBytes + 1), 'c');
    seedItem(2, "C", std::string(300, 'z'));
    fake.misreportSize(item(2), "Command", 0xFFFFFFFFu);
    auto list = load();
    ASSERT_EQ(list->count(), 3);
    const HotKey* a = list->at(0);
    EXPECT_EQ(a->key(), "A");
    EXPECT_FALSE(a->alt());
    EXPECT_EQ(a->command(), "x");
    EXPECT_EQ(a->directory(), "d");
    EXPECT_EQ(a->parameters(), "");
    EXPECT_EQ(a->showCmd(), 5);
    const HotKey* b = list->at(1);
    EXPECT_EQ(b->key(), "");
    EXPECT_FALSE(b->alt());
    EXPECT_EQ(b->command(), "");
    EXPECT_TRUE(list->at(2)->command().empty());
    EXPECT_EQ(list->at(2)->key(), "C");
    EXPECT_LE(fake.largestQueryBuffer(), QelRegistry::kMaxTextBytes);
}
