#include "fakes/FakeRegistry.h"
#include "fakes/ScopedRegistryApi.h"
#include "model/ERegistryException.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

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
    ScopedRegistryApi scope(fake);
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
        ScopedRegistryApi scope(probe);
        withListKey([](QelRegistry& r) { sample()->save("HotKey", r); });
    }
    const long total = probe.callCount();
    ASSERT_GT(total, 40);

    for (long n = 1; n <= total; ++n) {
        FakeRegistry fake;
        seedFive(fake);
        fake.resetCalls();
        fake.failCall(n);
        ScopedRegistryApi scope(fake);
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
        ScopedRegistryApi scope(probe);
        withListKey([](QelRegistry& r) { HotKeyList().load("HotKey", r); });
    }
    const long total = probe.callCount();

    for (long n = 1; n <= total; ++n) {
        FakeRegistry fake;
        seedFive(fake);
        fake.resetCalls();
        fake.failCall(n);
        ScopedRegistryApi scope(fake);
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
