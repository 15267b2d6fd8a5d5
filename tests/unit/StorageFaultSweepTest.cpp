#include "fakes/FakeRegistry.h"
#include "model/ERegistryException.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/RegistryApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

// Every registry call of a save and of a load is made to fail in turn. Only
// the "Count" write (directly, or because the list key could not be opened)
// may escape as an error; nothing may crash or leave a key open.
namespace {

const std::string kListKey = "Software\\QelApp\\Lumaro\\HotKeys";

std::unique_ptr<HotKeyList> sample() {
    auto list = std::make_unique<HotKeyList>();
    for (char c : std::string("ABC")) {
        auto* key = new HotKey();
        key->setKeyLetter(c);
        key->setCommand(std::string("cmd") + c);
        list->addOrReplace(key);
    }
    return list;
}

void seedFive(FakeRegistry& fake) {
    platform::Seam<platform::RegistryApi>::Scoped scope(fake);
    auto list = sample();
    for (char c : std::string("DE")) {
        auto* key = new HotKey();
        key->setKeyLetter(c);
        key->setPopup();
        list->addOrReplace(key);
    }
    QelRegistry registry;
    registry.openPath(kListKey);
    list->save("HotKey", registry);
}

// Runs the controller's sequence: a new accessor, openPath, then the action.
template <typename Action> void withListKey(Action action) {
    QelRegistry registry;
    registry.openPath(kListKey);
    action(registry);
}

bool countWriteFailed(const FakeRegistry& fake, long failedCall) {
    // The calls up to the failing one: was it an openPath component or the
    // "Count" write (the first RegSetValueExA)?
    const auto& calls = fake.calls();
    std::string failed = calls[static_cast<size_t>(failedCall - 1)];
    if (failed == "RegCreateKeyExA")
        return std::count(calls.begin(), calls.begin() + failedCall, "RegCreateKeyExA") <= 4;
    if (failed == "RegSetValueExA")
        return std::count(calls.begin(), calls.begin() + failedCall, "RegSetValueExA") == 1;
    return false;
}

// A refused close leaves its handle open; that is the only leak allowed.
size_t leakedHandles(const FakeRegistry& fake, long failedCall) {
    return fake.calls()[static_cast<size_t>(failedCall - 1)] == "RegCloseKey" ? 1 : 0;
}

} // namespace

TEST(StorageFaultSweep, SaveFailsOnlyForTheCountWrite) {
    FakeRegistry probe;
    seedFive(probe);
    probe.resetCalls();
    {
        platform::Seam<platform::RegistryApi>::Scoped scope(probe);
        withListKey([](QelRegistry& r) { sample()->save("HotKey", r); });
    }
    const long total = probe.callCount();
    ASSERT_GT(total, 40);

    for (long n = 1; n <= total; ++n) {
        FakeRegistry fake;
        seedFive(fake);
        fake.resetCalls();
        fake.failCall(n);
        platform::Seam<platform::RegistryApi>::Scoped scope(fake);
        bool raised = false;
        try {
            withListKey([](QelRegistry& r) { sample()->save("HotKey", r); });
        } catch (const ERegistryException& e) {
            raised = true;
            EXPECT_EQ(e.message(), "'Count' の設定に失敗しました");
        }
        EXPECT_EQ(raised, countWriteFailed(fake, n)) << "call " << n << " " << fake.calls()[n - 1];
        EXPECT_EQ(fake.openHandles(), leakedHandles(fake, n)) << "call " << n;
        if (raised) {
            // Nothing written and nothing deleted.
            EXPECT_EQ(fake.dwordValue(kListKey, "Count"), 5u);
            EXPECT_TRUE(fake.hasKey(kListKey + "\\HotKey_4"));
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

namespace {

std::string describe(const HotKeyList& list) {
    std::string text;
    for (int i = 0; i < list.count(); ++i) {
        const HotKey* k = list.at(i);
        text += k->key() + "|" + std::to_string(k->ctrl()) + std::to_string(k->alt()) +
                std::to_string(k->shift()) + "|" + k->command() + "|" + k->directory() + "|" +
                k->parameters() + "|" + std::to_string(k->extra()) + "|" +
                std::to_string(k->showCmd()) + "\n";
    }
    return text;
}

} // namespace

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
            EXPECT_EQ(describe(list), describe(again)) << "call " << n << " " << growth.bytes;
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
        EXPECT_TRUE(installed.count() >= 4 || installed.count() == 0)
            << "call " << n << " " << failed << " gave " << installed.count();
        if (failed != "RegCreateKeyExA") {
            EXPECT_EQ(fake.keyCount(), keys) << "call " << n << " " << failed;
        }
        // Saved back, the definitions that loaded are kept.
        fake.resetCalls();
        withListKey([&](QelRegistry& r) { installed.save("HotKey", r); });
        HotKeyList again;
        withListKey([&](QelRegistry& r) { again.load("HotKey", r); });
        EXPECT_EQ(describe(again), describe(installed)) << "call " << n;
    }
}
