// The cost of carrying out a pressed hotkey up to the shell call, with a
// full list of 208 definitions, against the floor: the shell call alone.
#include "app/Lumaro.h"
#include "fakes/FakeSystem.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "ui/LmrTrayWindow.h"

#include <windows.h>

#include <cstdio>

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
    ScopedShellApi scope(shell);
    storeFullList();
    auto* controller = new Lumaro();
    const int rounds = 200000;
    double first = nsPerCall([&] { controller->executeHotKey('A', false, false, false); }, rounds);
    double last = nsPerCall([&] { controller->executeHotKey('Z', true, true, true); }, rounds);
    std::string command = "C:\\Programs\\tool207.exe", params = "/n 207", dir;
    double floor = nsPerCall(
        [&] {
            platform::shellApi().ShellExecuteA(1, "Open", command.c_str(), params.c_str(),
                                               dir.c_str(), 5);
        },
        rounds);
    std::printf("executeHotKey up to the shell call, 208 definitions: first %.0f ns, last %.0f "
                "ns; the shell call alone %.0f ns; ratio last/alone %.1f (%ld launches)\n",
                first, last, floor, last / floor, shell.launches);
    delete controller->trayWindow();
    return 0;
}
