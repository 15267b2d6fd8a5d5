// Saves a known list through the program's own classes, or loads the stored
// list and prints it, or loads it and saves it back as the controller does,
// so that shell scripts can check the registry layout
// with a client we did not write (reg.exe).
#include "app/Lumaro.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const char* const kListKey = Lumaro::kRegistryKey;

std::unique_ptr<HotKey> make(const KeyCombination& combination) {
    auto key = std::make_unique<HotKey>();
    key->setCombination(combination);
    return key;
}

void saveSample() {
    HotKeyList list;
    auto launch = make({'A', false, false, false});
    launch->setCommand("C:\\Program Files\\x.exe");
    launch->setDirectory("C:\\work");
    launch->setParameters("\"a b\" c");
    launch->setShowCmd(3);
    list.addOrReplace(std::move(launch));
    auto popup = make({'P', true, false, false});
    popup->setPopup();
    list.addOrReplace(std::move(popup));
    auto bind = make({'B', true, true, true});
    bind->setBind(31);
    list.addOrReplace(std::move(bind));
    QelRegistry registry;
    registry.openPath(kListKey);
    list.save("HotKey", registry);
}

// Every combination, the page without modifiers first (or the first `count`
// of them); `tag` tells one such list from another.
void saveFull(const std::string& tag, int count) {
    HotKeyList list;
    for (int i = 0; i < count; ++i) {
        int page = i / 26;
        auto key = make(
            {static_cast<char>('A' + i % 26), (page & 1) != 0, (page & 2) != 0, (page & 4) != 0});
        key->setCommand("C:\\Programs\\tool" + tag + std::to_string(i) + ".exe");
        key->setParameters("/n " + std::to_string(i));
        list.addOrReplace(std::move(key));
    }
    QelRegistry registry;
    registry.openPath(kListKey);
    list.save("HotKey", registry);
}

std::string escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// The stored list as loaded, or as the controller installs it (a copy, which
// keeps the last definition of each combination and no empty one).
void dump(bool installed) {
    HotKeyList loaded;
    QelRegistry registry;
    registry.openPath(kListKey);
    loaded.load("HotKey", registry);
    HotKeyList copy(&loaded);
    const HotKeyList& list = installed ? copy : loaded;
    std::printf("count %d\n", list.count());
    for (int i = 0; i < list.count(); ++i) {
        const HotKey* k = list.at(i);
        std::printf("%d key=%s ctrl=%d alt=%d shift=%d command=%s directory=%s parameters=%s "
                    "extra=%d showCmd=%d\n",
                    i, escaped(k->key()).c_str(), k->ctrl(), k->alt(), k->shift(),
                    escaped(k->command()).c_str(), escaped(k->directory()).c_str(),
                    escaped(k->parameters()).c_str(), k->extra(), k->showCmd());
    }
}

} // namespace

// What the controller does from start to the next OK with no edits: load,
// install a copy, save a copy of that (taking the lock every instance takes).
void resave() {
    HotKeyList list;
    {
        QelRegistry registry;
        registry.openPath(kListKey);
        list.load("HotKey", registry);
    }
    HotKeyList installed(&list);
    HotKeyList copy(&installed);
    Lumaro::saveHotKeyList(&copy);
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "save-sample") == 0) {
        saveSample();
        return 0;
    }
    if (argc >= 2 && argc <= 4 && std::strcmp(argv[1], "save-full") == 0) {
        saveFull(argc > 2 ? argv[2] : "", argc > 3 ? std::atoi(argv[3]) : 208);
        return 0;
    }
    if (argc == 2 &&
        (std::strcmp(argv[1], "dump") == 0 || std::strcmp(argv[1], "installed") == 0)) {
        dump(std::strcmp(argv[1], "installed") == 0);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "resave") == 0) {
        resave();
        return 0;
    }
    std::fprintf(stderr,
                 "usage: regtool save-sample|save-full [TAG [COUNT]]|dump|installed|resave\n");
    return 2;
}
