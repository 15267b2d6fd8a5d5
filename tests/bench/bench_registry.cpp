// Save and load of a full list of 208 definitions through our classes,
// against a plain loop of registry calls. The load makes the same calls, so
// its ratio is our own overhead. The plain save is one pass of writes over
// the stored items, as the save was before it became all or nothing; ours
// reads what is stored, writes the list twice (beyond, then at the front),
// deletes the rest and flushes, and is to stay within 3 times the plain one.
// The plain loop goes through the same seam, so that both are also counted,
// call by call, against the fake registry.
#include "app/Lumaro.h"
#include "fakes/FakeRegistry.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/RegistryApi.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using platform::Dword;
using platform::RegHandle;
using platform::registryApi;

const char* const kComponents[] = {"Software", "QelApp", "Lumaro", "HotKeys"};
const char* const kListKey = Lumaro::kRegistryKey;
constexpr int kItems = 208;

double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

HotKeyList* fullList() {
    auto* list = new HotKeyList();
    for (int i = 0; i < kItems; ++i) {
        auto* key = new HotKey();
        key->setKeyLetter(static_cast<char>('A' + i % 26));
        key->setCtrl(i / 26 % 2);
        key->setAlt(i / 52 % 2);
        key->setShift(i / 104 % 2);
        key->setCommand("C:\\Programs\\tool" + std::to_string(i) + ".exe");
        key->setDirectory("C:\\Work");
        key->setParameters("/n " + std::to_string(i));
        list->addOrReplace(key);
    }
    return list;
}

void oursSave(HotKeyList& list) {
    QelRegistry registry;
    registry.openPath(kListKey);
    list.save("HotKey", registry);
}

void oursLoad() {
    HotKeyList list;
    QelRegistry registry;
    registry.openPath(kListKey);
    list.load("HotKey", registry);
}

// The same calls as an accessor's openPath: each component created below
// the previous one, the previous handle closed once the next is open.
RegHandle plainOpen(const std::vector<std::string>& parts) {
    RegHandle current = 0;
    for (const std::string& part : parts) {
        RegHandle next = 0;
        Dword disposition = 0;
        registryApi().RegCreateKeyExA(current ? current : platform::kHkeyCurrentUser, part.c_str(),
                                      0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &next, &disposition);
        if (current)
            registryApi().RegCloseKey(current);
        current = next;
    }
    return current;
}

std::vector<std::string> listParts() {
    return {kComponents, kComponents + 4};
}

void plainSetString(RegHandle key, const char* name, const std::string& text) {
    registryApi().RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                                 static_cast<Dword>(text.size()));
}

void plainSetInt(RegHandle key, const char* name, Dword value) {
    registryApi().RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
}

void plainSave(const HotKeyList& list) {
    RegHandle key = plainOpen(listParts());
    BYTE buffer[4];
    Dword type = 0, size = 4;
    registryApi().RegQueryValueExA(key, "Count", nullptr, &type, buffer, &size);
    plainSetInt(key, "Count", static_cast<Dword>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        std::vector<std::string> parts = listParts();
        parts.push_back("HotKey_" + std::to_string(i));
        RegHandle item = plainOpen(parts);
        const HotKey* k = list.at(i);
        plainSetString(item, "Key", k->key());
        plainSetInt(item, "Ctrl", k->ctrl());
        plainSetInt(item, "Alt", k->alt());
        plainSetInt(item, "Shift", k->shift());
        plainSetString(item, "Command", k->command());
        plainSetString(item, "Directory", k->directory());
        plainSetString(item, "Parameters", k->parameters());
        plainSetInt(item, "Extra", static_cast<Dword>(k->extra()));
        plainSetInt(item, "ShowCmd", static_cast<Dword>(k->showCmd()));
        registryApi().RegCloseKey(item);
    }
    registryApi().RegCloseKey(key);
}

void plainLoad() {
    RegHandle key = plainOpen(listParts());
    Dword count = 0, type = 0, size = 4;
    registryApi().RegQueryValueExA(key, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&count),
                                   &size);
    static const char* const kTexts[] = {"Key", "Command", "Directory", "Parameters"};
    static const char* const kInts[] = {"Ctrl", "Alt", "Shift", "Extra", "ShowCmd"};
    std::vector<std::string> fields;
    for (Dword i = 0; i < count; ++i) {
        std::vector<std::string> parts = listParts();
        parts.push_back("HotKey_" + std::to_string(i));
        RegHandle item = plainOpen(parts);
        for (int n = 0; n < 9; ++n) {
            bool text = n == 0 || (n >= 4 && n <= 6);
            const char* name = text ? kTexts[n == 0 ? 0 : n - 3] : kInts[n < 4 ? n - 1 : n - 4];
            BYTE buffer[256];
            Dword t = 0, s = text ? sizeof buffer : 4;
            registryApi().RegQueryValueExA(item, name, nullptr, &t, buffer, &s);
            if (text)
                fields.emplace_back(reinterpret_cast<char*>(buffer), s);
        }
        registryApi().RegCloseKey(item);
    }
    registryApi().RegCloseKey(key);
}

template <typename F> double median(F run, int rounds) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        double start = nowMs();
        run();
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The registry calls of one save over the same list already stored.
template <typename F> long callsOf(F save) {
    FakeRegistry fake;
    platform::Seam<platform::RegistryApi>::Scoped scope(fake);
    save();
    fake.resetCalls();
    save();
    return fake.callCount();
}

} // namespace

int main() {
    HotKeyList* list = fullList();
    const int rounds = 15;
    oursSave(*list); // warm the keys up for both
    double ourSave = median([&] { oursSave(*list); }, rounds);
    double baseSave = median([&] { plainSave(*list); }, rounds);
    double ourLoad = median(oursLoad, rounds);
    double baseLoad = median(plainLoad, rounds);
    long ourCalls = callsOf([&] { oursSave(*list); });
    long baseCalls = callsOf([&] { plainSave(*list); });
    std::printf("registry save of %d definitions: ours (all or nothing) %.2f ms, one plain pass "
                "%.2f ms, ratio %.2f; registry calls %ld against %ld, ratio %.2f\n",
                kItems, ourSave, baseSave, ourSave / baseSave, ourCalls, baseCalls,
                static_cast<double>(ourCalls) / static_cast<double>(baseCalls));
    std::printf("registry load of %d definitions: ours %.2f ms, plain calls %.2f ms, ratio %.2f\n",
                kItems, ourLoad, baseLoad, ourLoad / baseLoad);
    delete list;
    QelRegistry cleaner;
    cleaner.deleteKey("\\Software\\QelApp");
    return 0;
}
