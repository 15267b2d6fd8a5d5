#include "StoredDefinitions.h"
#include "fakes/FakeMutex.h"
#include "fakes/FakeRegistry.h"
#include "model/ERegistryException.h"
#include "model/Exception.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/MutexApi.h"
#include "platform/RegistryApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Every registry call of a save and of a load is made to fail in turn, a save
// is stopped after each of its calls, and another instance saves before each
// of them. Whatever happens, what loads is the old list or the new one, by
// this version's rules and by the plain walk of earlier ones; nothing may
// crash or leave a key open.
namespace {

using stored::kListKey;

struct Definition {
    char letter;
    bool ctrl;
    std::string command;
    int extra = 0;
};

std::unique_ptr<HotKeyList> listOf(const std::vector<Definition>& definitions) {
    auto list = std::make_unique<HotKeyList>();
    for (const Definition& d : definitions) {
        auto* key = new HotKey();
        key->setKeyLetter(d.letter);
        key->setCtrl(d.ctrl);
        key->setCommand(d.command);
        key->setExtra(d.extra);
        list->addOrReplace(key);
    }
    return list;
}

std::unique_ptr<HotKeyList> sample() {
    return listOf({{'A', false, "cmdA"}, {'B', false, "cmdB"}, {'C', false, "cmdC"}});
}

void seedFive(FakeRegistry& fake) {
    auto list = sample();
    for (char c : std::string("DE")) {
        auto* key = new HotKey();
        key->setKeyLetter(c);
        key->setPopup();
        list->addOrReplace(key);
    }
    for (int i = 0; i < list->count(); ++i)
        stored::storeItem(fake, i, list->at(i)->key(), false, list->at(i)->command(),
                          static_cast<std::uint32_t>(list->at(i)->extra()));
    stored::storeCount(fake, list->count());
}

// Runs the controller's sequence: a new accessor, openPath, then the action.
template <typename Action> void withListKey(Action action) {
    QelRegistry registry;
    registry.openPath(kListKey);
    action(registry);
}

// A refused close leaves its handle open; that is the only leak allowed.
size_t leakedHandles(const FakeRegistry& fake, long failedCall) {
    return fake.calls()[static_cast<size_t>(failedCall - 1)] == "RegCloseKey" ? 1 : 0;
}

// The definitions as the controller installs them.
std::string loaded() {
    HotKeyList list;
    withListKey([&](QelRegistry& r) { list.load("HotKey", r); });
    return stored::describe(HotKeyList(&list));
}

// As the first version loads them: a walk up to a readable, positive
// "Count", nothing otherwise (bounded here: these stores are small).
std::string loadedByEarlierVersions() {
    HotKeyList list;
    withListKey([&](QelRegistry& r) {
        int n = 0;
        try {
            n = r.readInteger("Count");
        } catch (const Exception&) {
        }
        for (int i = 0; i < std::min(n, 2000); ++i) {
            QelRegistry child(r, StoredListLayout::itemKeyName("HotKey", i));
            list.at(list.createItem())->load(child);
        }
    });
    return stored::describe(HotKeyList(&list));
}

struct Change {
    const char* name;
    std::function<void(FakeRegistry&)> seed;
    std::vector<Definition> after;
};

void seedList(FakeRegistry& fake, const std::vector<Definition>& definitions) {
    for (size_t i = 0; i < definitions.size(); ++i) {
        const Definition& d = definitions[i];
        stored::storeItem(fake, static_cast<int>(i), std::string(1, d.letter), d.ctrl, d.command,
                          static_cast<std::uint32_t>(d.extra));
    }
    stored::storeCount(fake, static_cast<int>(definitions.size()));
}

const std::vector<Definition> kFive = {{'A', false, "a"},
                                       {'B', false, "b"},
                                       {'A', true, "ca"},
                                       {'C', false, "c"},
                                       {'D', false, "", 1}};

const std::vector<Change>& changes() {
    static const std::vector<Change> all = {
        {"reorder",
         [](FakeRegistry& f) { seedList(f, kFive); },
         {{'A', true, "ca"},
          {'C', false, "c"},
          {'D', false, "", 1},
          {'A', false, "a"},
          {'B', false, "b"}}},
        {"delete",
         [](FakeRegistry& f) { seedList(f, kFive); },
         {{'B', false, "b"}, {'A', true, "ca"}, {'C', false, "c"}, {'D', false, "", 1}}},
        {"add",
         [](FakeRegistry& f) { seedList(f, kFive); },
         {{'A', false, "a"},
          {'B', false, "b"},
          {'A', true, "ca"},
          {'C', false, "c"},
          {'D', false, "", 1},
          {'E', true, "e"},
          {'F', false, "f"}}},
        {"change in place",
         [](FakeRegistry& f) { seedList(f, kFive); },
         {{'A', false, "a"},
          {'B', false, "b2"},
          {'A', true, "ca"},
          {'C', false, "c"},
          {'D', false, "", 1}}},
        {"change moves to the end",
         [](FakeRegistry& f) { seedList(f, kFive); },
         {{'A', false, "a"},
          {'B', false, "b"},
          {'C', false, "c"},
          {'D', false, "", 1},
          {'A', true, "ca2"}}},
        {"shrink to empty", [](FakeRegistry& f) { seedList(f, kFive); }, {}},
        {"grow from empty",
         [](FakeRegistry& f) { stored::storeCount(f, 0); },
         {{'A', false, "a"}, {'B', true, "b"}}},
        {"grow from empty over keys an earlier version left",
         [](FakeRegistry& f) {
             seedList(f, kFive);
             stored::storeCount(f, 0);
         },
         {{'B', false, "b"}}},
        {"first save", [](FakeRegistry&) {}, {{'A', false, "a"}}},
        {"stored duplicates and stale keys",
         [](FakeRegistry& f) {
             seedList(f, {{'A', false, "a1"}, {'B', false, "b"}, {'A', false, "a2"}});
             stored::storeItem(f, 5, "Z", false, "stale");
         },
         {{'B', false, "b"}, {'Z', false, "z"}}},
        {"mended count",
         [](FakeRegistry& f) {
             seedList(f, kFive);
             f.setString(kListKey, "Count", "five");
             stored::storeItem(f, 7, "Y", false, "beyond the gap");
         },
         {{'C', false, "c"}, {'B', false, "b"}}},
        {"distrusted count",
         [](FakeRegistry& f) {
             seedList(f, kFive);
             f.setDword(kListKey, "Count", 300);
         },
         {{'C', false, "c"}, {'Q', false, "q"}}},
    };
    return all;
}

struct Expected {
    std::string before, beforeEarlier, after;
};

Expected expected(const Change& change) {
    FakeRegistry fake;
    change.seed(fake);
    platform::Seam<platform::RegistryApi>::Scoped scope(fake);
    Expected e{loaded(), loadedByEarlierVersions(), stored::describe(*listOf(change.after))};
    // Either list, loaded by either version, is what must be told apart.
    EXPECT_NE(e.before, e.after) << change.name;
    return e;
}

long callsOfASave(const Change& change) {
    FakeRegistry probe;
    change.seed(probe);
    probe.resetCalls();
    platform::Seam<platform::RegistryApi>::Scoped scope(probe);
    withListKey([&](QelRegistry& r) { listOf(change.after)->save("HotKey", r); });
    return probe.callCount();
}

// Saves as the controller does, in the instance `in`: false when refused,
// with the refusal's message in `why`.
bool saveAs(FakeMutex& in, const HotKeyList& list, std::string* why = nullptr) {
    platform::Seam<platform::MutexApi>::Scoped scope(in);
    try {
        Lumaro::saveHotKeyList(&list);
        return true;
    } catch (const ERegistryException& e) {
        if (why)
            *why = e.message();
        return false;
    }
}

// At rest: "Count" and HotKey_0 .. HotKey_n-1 with their nine values, nothing else.
void expectPlainLayout(const FakeRegistry& fake, const Change& change, const std::string& where) {
    const int n = static_cast<int>(change.after.size());
    EXPECT_EQ(fake.dwordValue(kListKey, "Count"), static_cast<std::uint32_t>(n)) << where;
    std::vector<std::string> names = fake.subKeyNames(kListKey);
    ASSERT_EQ(names.size(), static_cast<size_t>(n)) << where;
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(fake.findKey(stored::itemKey(i))->values.size(), 9u) << where << " " << i;
}

} // namespace

TEST(StorageFaultSweep, ASaveStoppedAfterAnyCallLeavesTheOldListOrTheNew) {
    for (const Change& change : changes()) {
        const Expected e = expected(change);
        const long total = callsOfASave(change);
        bool sawNew = false;
        for (long n = 1; n <= total; ++n) {
            const std::string where =
                std::string(change.name) + ", stopped after call " + std::to_string(n);
            FakeRegistry fake;
            change.seed(fake);
            fake.resetCalls();
            fake.stopAfter(n);
            FakeMutex ended, next(&ended);
            fake.beforeCall(n + 1, [&] { ended.end(); });
            platform::Seam<platform::RegistryApi>::Scoped scope(fake);
            saveAs(ended, *listOf(change.after));
            EXPECT_EQ(fake.stopped(), n < total) << where;
            fake.resetCalls();
            const std::string now = loaded();
            EXPECT_TRUE(now == e.before || now == e.after) << where << ":\n" << now;
            const std::string earlier = loadedByEarlierVersions();
            EXPECT_TRUE(earlier == e.beforeEarlier || earlier == e.after) << where << ":\n"
                                                                          << earlier;
            // Once the new list loads, it stays.
            if (sawNew) {
                EXPECT_EQ(now, e.after) << where;
            }
            sawNew = now == e.after;
            // Whatever a stop left, the next save (by another instance, which
            // takes the lock over) leaves the plain layout.
            EXPECT_TRUE(saveAs(next, *listOf(change.after))) << where;
            expectPlainLayout(fake, change, where);
            EXPECT_EQ(loaded(), e.after) << where;
        }
    }
}

// Two instances press OK at once: the other's whole save comes before each
// registry call of this one. The lock turns it away, this list is stored
// whole, and the other's save after it stores the other's: the last to
// commit wins.
TEST(StorageFaultSweep, AnotherInstanceSavingInTheMiddleOfASaveIsKeptOut) {
    const auto other = listOf({{'Q', true, "the other's"}});
    for (const Change& change : changes()) {
        const Expected e = expected(change);
        for (long n = 1, total = callsOfASave(change); n <= total; ++n) {
            const std::string where = std::string(change.name) + ", call " + std::to_string(n);
            FakeRegistry fake;
            change.seed(fake);
            fake.resetCalls();
            FakeMutex mine, theirs(&mine);
            platform::Seam<platform::RegistryApi>::Scoped scope(fake);
            bool keptOut = false;
            std::string why;
            fake.beforeCall(n, [&] { keptOut = !saveAs(theirs, *other, &why); });
            EXPECT_TRUE(saveAs(mine, *listOf(change.after)) && keptOut) << where;
            EXPECT_EQ(why.rfind("別の Lumaro が定義を保存しています", 0), 0u)
                << where << ": " << why;
            EXPECT_EQ(loaded(), e.after) << where;
            EXPECT_TRUE(saveAs(theirs, *other)) << where;
            EXPECT_EQ(loaded(), stored::describe(*other)) << where;
            EXPECT_EQ(mine.openHandles() + theirs.openHandles(), 0u) << where;
        }
    }
}

// One call refused: a save that raises the registry error stored nothing
// (the old list loads), one that returns stored the new list; the next save
// leaves the plain layout.
TEST(StorageFaultSweep, ASaveWithAnyCallRefusedStoresAllOrNothing) {
    for (const Change& change : changes()) {
        const Expected e = expected(change);
        const long total = callsOfASave(change);
        for (long n = 1; n <= total; ++n) {
            FakeRegistry fake;
            change.seed(fake);
            fake.resetCalls();
            fake.failCall(n);
            platform::Seam<platform::RegistryApi>::Scoped scope(fake);
            bool raised = false;
            try {
                withListKey([&](QelRegistry& r) { listOf(change.after)->save("HotKey", r); });
            } catch (const ERegistryException&) {
                raised = true;
            }
            const std::string where = std::string(change.name) + ", call " + std::to_string(n) +
                                      " " + fake.calls()[static_cast<size_t>(n - 1)] +
                                      (raised ? " raised" : " returned");
            EXPECT_EQ(fake.openHandles(), leakedHandles(fake, n)) << where;
            fake.resetCalls();
            EXPECT_EQ(loaded(), raised ? e.before : e.after) << where;
            EXPECT_EQ(loadedByEarlierVersions(), raised ? e.beforeEarlier : e.after) << where;
            withListKey([&](QelRegistry& r) { listOf(change.after)->save("HotKey", r); });
            expectPlainLayout(fake, change, where);
            EXPECT_EQ(loaded(), e.after) << where;
        }
    }
}

TEST(StorageFaultSweep, LoadNeverRaisesAndKeepsWhatItCouldRead) {
    FakeRegistry probe;
    seedFive(probe);
    probe.resetCalls();
    {
        platform::Seam<platform::RegistryApi>::Scoped scope(probe);
        withListKey([](QelRegistry& r) { HotKeyList().load("HotKey", r); });
    }
    const long total = probe.callCount();

    for (long n = 1; n <= total; ++n) {
        FakeRegistry fake;
        seedFive(fake);
        fake.resetCalls();
        fake.failCall(n);
        platform::Seam<platform::RegistryApi>::Scoped scope(fake);
        HotKeyList list;
        EXPECT_NO_THROW(withListKey([&](QelRegistry& r) { list.load("HotKey", r); }))
            << "call " << n;
        EXPECT_EQ(fake.openHandles(), leakedHandles(fake, n)) << "call " << n;
        // A single failure costs at most one item, or the whole list when
        // the key path or "Count" could not be read.
        HotKeyList installed(&list);
        EXPECT_TRUE(installed.count() >= 4 || installed.count() == 0)
            << "call " << n << " " << fake.calls()[n - 1] << " gave " << installed.count();
    }
}

// Each value the load reads grows in turn while it is being read: once (the
// size reported is stale by the next call), and without end, doubling (it
// keeps outgrowing every buffer). The load reads what is stored by the time
// it fetches, or finds the value unreadable; nothing escapes, nothing leaks.
TEST(StorageFaultSweep, LoadOfValuesThatGrowBetweenCalls) {
    FakeRegistry probe;
    seedFive(probe);
    probe.resetCalls();
    {
        platform::Seam<platform::RegistryApi>::Scoped scope(probe);
        withListKey([](QelRegistry& r) { HotKeyList().load("HotKey", r); });
    }
    const long total = probe.callCount();
    struct Growth {
        platform::Dword bytes;
        int times;
        bool doubling;
    };
    for (Growth growth : {Growth{300, 1, false}, Growth{300, 3, false}, Growth{300, -1, true}}) {
        for (long n = 1; n <= total; ++n) {
            if (probe.calls()[static_cast<size_t>(n - 1)] != "RegQueryValueExA")
                continue;
            FakeRegistry fake;
            seedFive(fake);
            fake.resetCalls();
            fake.growValues(n, growth.bytes, growth.times, growth.doubling);
            platform::Seam<platform::RegistryApi>::Scoped scope(fake);
            HotKeyList list;
            EXPECT_NO_THROW(withListKey([&](QelRegistry& r) { list.load("HotKey", r); }))
                << "call " << n;
            EXPECT_EQ(fake.openHandles(), 0u) << "call " << n;
            EXPECT_LE(fake.largestQueryBuffer(), QelRegistry::kMaxTextBytes);
            HotKeyList installed(&list);
            EXPECT_TRUE(installed.count() >= 4 || installed.count() == 0)
                << "call " << n << " gave " << installed.count();
            // Read again, with the value as it has grown: the same definitions.
            fake.resetCalls();
            HotKeyList again;
            withListKey([&](QelRegistry& r) { again.load("HotKey", r); });
            EXPECT_EQ(stored::describe(list), stored::describe(again))
                << "call " << n << " " << growth.bytes;
        }
    }
}

// A stored count that is not trusted: the sweep of a load and of the save
// that follows it, as the controller does them.
TEST(StorageFaultSweep, DistrustedCountLosesAtMostOneDefinitionToAFailure) {
    auto seed = [](FakeRegistry& fake) {
        seedFive(fake);
        fake.setDword(kListKey, "Count", 300);
        // HotKey_3 and HotKey_4 move far up, where only the listing finds them.
        for (auto [from, to] : {std::pair{3, 150}, std::pair{4, 299}}) {
            auto* key = fake.findKey(kListKey + "\\HotKey_" + std::to_string(from));
            for (const auto& [upper, value] : key->values)
                fake.setValue(kListKey + "\\HotKey_" + std::to_string(to), value.name, value.type,
                              value.bytes);
            fake.removeKey(kListKey + "\\HotKey_" + std::to_string(from));
        }
    };
    FakeRegistry probe;
    seed(probe);
    probe.resetCalls();
    {
        platform::Seam<platform::RegistryApi>::Scoped scope(probe);
        HotKeyList list;
        withListKey([&](QelRegistry& r) { list.load("HotKey", r); });
        ASSERT_EQ(HotKeyList(&list).count(), 5);
    }
    const long total = probe.callCount();

    for (long n = 1; n <= total; ++n) {
        FakeRegistry fake;
        seed(fake);
        auto keys = fake.keyCount();
        fake.resetCalls();
        fake.failCall(n);
        platform::Seam<platform::RegistryApi>::Scoped scope(fake);
        HotKeyList list;
        EXPECT_NO_THROW(withListKey([&](QelRegistry& r) { list.load("HotKey", r); }))
            << "call " << n;
        EXPECT_EQ(fake.openHandles(), leakedHandles(fake, n)) << "call " << n;
        HotKeyList installed(&list);
        const std::string failed = fake.calls()[static_cast<size_t>(n - 1)];
        // An unreadable "Count" is mended from the keys up to the first gap.
        const bool countRead =
            failed == "RegQueryValueExA" &&
            std::count(fake.calls().begin(), fake.calls().begin() + n, "RegQueryValueExA") == 1;
        EXPECT_TRUE(installed.count() >= 4 || installed.count() == 0 ||
                    (countRead && installed.count() == 3))
            << "call " << n << " " << failed << " gave " << installed.count();
        if (failed != "RegCreateKeyExA") {
            EXPECT_EQ(fake.keyCount(), keys) << "call " << n << " " << failed;
        }
        // Saved back, the definitions that loaded are kept.
        fake.resetCalls();
        withListKey([&](QelRegistry& r) { installed.save("HotKey", r); });
        HotKeyList again;
        withListKey([&](QelRegistry& r) { again.load("HotKey", r); });
        EXPECT_EQ(stored::describe(again), stored::describe(installed)) << "call " << n;
    }
}
