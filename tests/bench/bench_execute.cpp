// The cost of carrying out a pressed hotkey up to the shell call, with a
// full list of 208 definitions, against a hand-made floor: the definitions
// in a table indexed by combination and the shell called straight from it.
#include "app/Lumaro.h"
#include "fakes/FakeSystem.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The shell as far as the benchmark needs it: a launch costs nothing.
class CountingShell : public FakeShell {
public:
    std::intptr_t ShellExecuteA(platform::Handle, const char*, const char* file, const char*,
                                const char*, int) override {
        ++launches;
        lastFile = file;
        return 42;
    }
    long launches = 0;
    const char* lastFile = nullptr;
};

double nowNs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1e9 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void storeFullList() {
    HotKeyList list;
    for (int i = 0; i < 208; ++i) {
        auto* key = new HotKey();
        key->setKeyLetter(static_cast<char>('A' + i % 26));
        key->setCtrl(i / 26 % 2);
        key->setAlt(i / 52 % 2);
        key->setShift(i / 104 % 2);
        key->setCommand("C:\\Programs\\tool" + std::to_string(i) + ".exe");
        key->setParameters("/n " + std::to_string(i));
        list.addOrReplace(key);
    }
    QelRegistry registry;
    registry.openPath(Lumaro::kRegistryKey);
    list.save(Lumaro::kItemName, registry);
}

template <typename F> double nsPerCall(F call, int rounds) {
    double best = 1e300;
    for (int r = 0; r < 5; ++r) {
        double start = nowNs();
        for (int i = 0; i < rounds; ++i)
            call();
        best = std::min(best, (nowNs() - start) / rounds);
    }
    return best;
}

} // namespace

int main() {
    FakeSystem os;
    CountingShell shell;
    platform::Seam<platform::ShellApi>::Scoped scope(shell);
    storeFullList();
    std::unique_ptr<Lumaro> controller;
    controller = std::make_unique<Lumaro>(controller);
    const int rounds = 200000;
    double first = nsPerCall([&] { controller->executeHotKey('A', false, false, false); }, rounds);
    double last = nsPerCall([&] { controller->executeHotKey('Z', true, true, true); }, rounds);
    struct Row {
        std::string command, params, dir;
        int show = 5;
    };
    std::vector<Row> table(208);
    for (int i = 0; i < 208; ++i)
        table[i] = {"C:\\Programs\\tool" + std::to_string(i) + ".exe", "/n " + std::to_string(i),
                    ""};
    volatile int slot = 207;
    double floor = nsPerCall(
        [&] {
            const Row& row = table[slot];
            platform::shellApi().ShellExecuteA(1, "Open", row.command.c_str(), row.params.c_str(),
                                               row.dir.c_str(), row.show);
        },
        rounds);
    std::printf(
        "executeHotKey up to the shell call, 208 definitions: first %.0f ns, last %.0f "
        "ns; a table indexed by combination %.0f ns; ratio last/table %.1f (%ld launches)\n",
        first, last, floor, last / floor, shell.launches);
    return 0;
}
