#include "app/Lumaro.h"

#include "app/HotKeyAccessCtrl.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "model/SaveLock.h"
#include "platform/HotKeyApi.h"
#include "platform/ShellApi.h"
#include "ui/LmrAboutBox.h"
#include "ui/LmrDisplayer.h"
#include "ui/LmrTrayWindow.h"

#include <memory>

// The order matters: the tray form must be the first form (the main form),
// and the registration needs its window. A failed start is shown in an error
// box, whose message loop would deliver a click on the icon or a hotkey to
// what was built so far: it is all taken down before the failure leaves, the
// hotkeys and atoms given back and the tray form left inert.
Lumaro::Lumaro(std::unique_ptr<Lumaro>& holder)
    : holder_(holder), trayWindow_(std::make_unique<LmrTrayWindow>(this)),
      aboutBox_(std::make_unique<LmrAboutBox>(this)),
      accessCtrl_(std::make_unique<HotKeyAccessCtrl>(trayWindow_->windowHandle(), kAtomPrefix)),
      displayer_(std::make_unique<LmrDisplayer>(this)) {
    setHotKeyList(loadHotKeyList().get());
    trayWindow_->ownerStarted();
}

Lumaro::~Lumaro() {
    HotKeyList none;
    setHotKeyList(&none);
}

// The copy is made before the old list goes: a copy that fails leaves the
// installed definitions as they were.
void Lumaro::setHotKeyList(const HotKeyList* list) {
    install(std::make_unique<HotKeyList>(list));
    if (displayer_)
        displayer_->setHotKeyList(hotKeyList_.get());
}

void Lumaro::install(std::unique_ptr<HotKeyList> list) {
    hotKeyList_ = std::move(list);
    accessCtrl_->synchronize(hotKeyList_.get());
}

// The working list's one copy becomes the installed list, which the window
// already shows. Re-registers before saving, so that a definition whose
// combination cannot be registered is still saved.
void Lumaro::commitDefinitions() {
    install(displayer_->copyHotKeyList());
    displayer_->showFirstPage();
    saveHotKeyList(hotKeyList_.get());
}

// Not across another instance's save: that would read a mix of two lists.
std::unique_ptr<HotKeyList> Lumaro::loadHotKeyList() {
    SaveLock lock(kSaveMutexName, SaveLock::Mode::Load);
    QelRegistry registry;
    registry.openPath(kRegistryKey);
    auto list = std::make_unique<HotKeyList>();
    list->load(kItemName, registry);
    return list;
}

// The lock covers the read of the stored list that the writes are planned on.
void Lumaro::saveHotKeyList(const HotKeyList* list) {
    SaveLock lock(kSaveMutexName);
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

void Lumaro::executeHotKey(const KeyCombination& combination) {
    // A press queued before its combination was unregistered ends here.
    if (!accessCtrl_->isRegistered(combination))
        return;
    const HotKey* key = hotKeyList_->find(combination);
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
        platform::shellApi().PostMessageA(shell, platform::kWmHotKey,
                                          static_cast<std::uintptr_t>(id), 0);
}
