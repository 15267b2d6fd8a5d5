#include "app/Lumaro.h"

#include "app/HotKeyAccessCtrl.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/ShellApi.h"
#include "ui/LmrAboutBox.h"
#include "ui/LmrDisplayer.h"
#include "ui/LmrTrayWindow.h"

#include <memory>

namespace {
constexpr unsigned kWmHotKey = 0x0312;
}

Lumaro::Lumaro() {
    try {
        build();
    } catch (...) {
        abandon();
        throw;
    }
}

// The order matters: the tray form must be the first form (the main form),
// and the registration needs its window.
void Lumaro::build() {
    trayWindow_ = new LmrTrayWindow(this);
    aboutBox_ = new LmrAboutBox(this);
    accessCtrl_ = new HotKeyAccessCtrl(trayWindow_->windowHandle(), kAtomPrefix);
    displayer_ = new LmrDisplayer(this);
    std::unique_ptr<HotKeyList> stored(loadHotKeyList());
    setHotKeyList(stored.get());
    trayWindow_->ownerStarted();
}

// A failed start is shown in an error box, whose message loop would deliver
// a click on the icon or a hotkey to what was built so far: take it all down
// first, give the hotkeys and atoms back, and leave the tray form inert.
void Lumaro::abandon() noexcept {
    delete displayer_;
    displayer_ = nullptr;
    delete aboutBox_;
    aboutBox_ = nullptr;
    delete accessCtrl_;
    accessCtrl_ = nullptr;
    delete hotKeyList_;
    hotKeyList_ = nullptr;
    if (trayWindow_) {
        trayWindow_->abandonOwner();
        delete trayWindow_;
        trayWindow_ = nullptr;
    }
}

Lumaro::~Lumaro() {
    HotKeyList none;
    setHotKeyList(&none);
    delete aboutBox_;
    aboutBox_ = nullptr;
    delete displayer_;
    displayer_ = nullptr;
    delete hotKeyList_;
    hotKeyList_ = nullptr;
    delete accessCtrl_;
    accessCtrl_ = nullptr;
}

// The copy is made before the old list goes: a copy that fails leaves the
// installed definitions as they were.
void Lumaro::setHotKeyList(const HotKeyList* list) {
    auto* copy = new HotKeyList(list);
    delete hotKeyList_;
    hotKeyList_ = copy;
    accessCtrl_->synchronize(hotKeyList_);
    if (displayer_)
        displayer_->setHotKeyList(hotKeyList_);
}

// Re-registers before saving, so that a definition whose combination cannot
// be registered is still saved.
void Lumaro::commitDefinitions() {
    std::unique_ptr<HotKeyList> edited(displayer_->copyHotKeyList());
    setHotKeyList(edited.get());
    saveHotKeyList(edited.get());
}

HotKeyList* Lumaro::loadHotKeyList() {
    QelRegistry registry;
    registry.openPath(kRegistryKey);
    auto* list = new HotKeyList();
    list->load(kItemName, registry);
    return list;
}

void Lumaro::saveHotKeyList(const HotKeyList* list) {
    QelRegistry registry;
    registry.openPath(kRegistryKey);
    list->save(kItemName, registry);
}

void Lumaro::showDefineWindow() {
    displayer_->show();
}

void Lumaro::showAboutBox() {
    aboutBox_->show();
}

void Lumaro::executeHotKey(char letter, bool ctrl, bool alt, bool shift) {
    // A press queued before its combination was unregistered ends here.
    if (!accessCtrl_->isRegistered(letter, ctrl, alt, shift))
        return;
    const HotKey* key = hotKeyList_->find(letter, ctrl, alt, shift);
    if (!key)
        return;
    if (key->isLaunch())
        launch(*key);
    else if (key->isPopup())
        showDefineWindow();
    else
        postShellHotKey(key->bindId());
}

void Lumaro::launch(const HotKey& key) {
    std::string command = key.command();
    if (command.empty())
        return;
    std::string parameters = key.parameters();
    std::string directory = key.directory();
    platform::shellApi().ShellExecuteA(trayWindow_->windowHandle(), "Open", command.c_str(),
                                       parameters.c_str(), directory.c_str(), key.showCmd());
}

void Lumaro::postShellHotKey(int id) {
    platform::Handle shell = platform::shellApi().FindWindowA("ProgMan", nullptr);
    if (shell != 0)
        platform::shellApi().PostMessageA(shell, kWmHotKey, static_cast<std::uintptr_t>(id), 0);
}
