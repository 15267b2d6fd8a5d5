#pragma once
#include "model/KeyCombination.h"

#include <memory>

class HotKeyAccessCtrl;
class HotKeyList;
class LmrAboutBox;
class LmrDisplayer;
class LmrTrayWindow;

// The application controller: builds and owns everything else, keeps the
// system's hotkeys in step with the installed definitions, loads and saves
// them, and carries out a pressed hotkey. The tray window owns it.
class Lumaro {
public:
    Lumaro();
    ~Lumaro();
    Lumaro(const Lumaro&) = delete;
    Lumaro& operator=(const Lumaro&) = delete;

    HotKeyAccessCtrl* accessCtrl() const { return accessCtrl_.get(); }
    void commitDefinitions();
    void setHotKeyList(const HotKeyList* list);
    void executeHotKey(const KeyCombination& combination);
    void executeHotKey(char l, bool c, bool a, bool s) { executeHotKey({l, c, a, s}); }
    static HotKeyList* loadHotKeyList();
    // Raises the registry error when the list was not stored, the stored one
    // then loading as before; one instance's save never meets another's.
    static void saveHotKeyList(const HotKeyList* list);
    void showDefineWindow();
    void showAboutBox();

    const HotKeyList* hotKeyList() const { return hotKeyList_.get(); }
    LmrTrayWindow* trayWindow() const { return trayWindow_; }
    LmrDisplayer* displayer() const { return displayer_.get(); }
    LmrAboutBox* aboutBox() const { return aboutBox_.get(); }

    static constexpr const char* kTitle = "Lumaro";
    static constexpr const char* kAtomPrefix = "Lumaro";
    static constexpr const char* kRegistryKey = "Software\\QelApp\\Lumaro\\HotKeys";
    static constexpr const char* kItemName = "HotKey";
    static constexpr const wchar_t* kSaveMutexName = L"Local\\QelApp.Lumaro.HotKeys.Save";

private:
    // Takes down the tray window of a start that failed: the window first
    // forgets its owner, which is being taken down already.
    struct AbandonTray {
        void operator()(LmrTrayWindow* tray) const noexcept;
    };

    void launch(const class HotKey& key);
    void postShellHotKey(int id);

    // In the order they are built: when the start fails, what was built goes
    // in reverse order, as the members of an object not made go. Once
    // started, the tray window owns the controller instead.
    LmrTrayWindow* trayWindow_ = nullptr;
    std::unique_ptr<LmrTrayWindow, AbandonTray> startingTray_;
    std::unique_ptr<LmrAboutBox> aboutBox_;
    std::unique_ptr<HotKeyAccessCtrl> accessCtrl_;
    std::unique_ptr<LmrDisplayer> displayer_;
    std::unique_ptr<HotKeyList> hotKeyList_;
};
