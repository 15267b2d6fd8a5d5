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
// them, and carries out a pressed hotkey.
class Lumaro {
public:
    // Made into `holder` (the entry point's), which keeps it until the tray's
    // "Exit" empties it: `holder = std::make_unique<Lumaro>(holder)`.
    explicit Lumaro(std::unique_ptr<Lumaro>& holder);
    ~Lumaro();
    Lumaro(const Lumaro&) = delete;
    Lumaro& operator=(const Lumaro&) = delete;

    std::unique_ptr<Lumaro>& holder() const { return holder_; }
    HotKeyAccessCtrl* accessCtrl() const { return accessCtrl_.get(); }
    void commitDefinitions();
    void setHotKeyList(const HotKeyList* list);
    void executeHotKey(const KeyCombination& combination);
    void executeHotKey(char l, bool c, bool a, bool s) { executeHotKey({l, c, a, s}); }
    static std::unique_ptr<HotKeyList> loadHotKeyList();
    // Raises the registry error when the list was not stored, the stored one
    // then loading as before; one instance's save never meets another's.
    static void saveHotKeyList(const HotKeyList* list);
    void showDefineWindow();
    void showAboutBox();

    const HotKeyList* hotKeyList() const { return hotKeyList_.get(); }
    LmrTrayWindow* trayWindow() const { return trayWindow_.get(); }
    LmrDisplayer* displayer() const { return displayer_.get(); }
    LmrAboutBox* aboutBox() const { return aboutBox_.get(); }

    static constexpr const char* kTitle = "Lumaro";
    static constexpr const char* kAtomPrefix = "Lumaro";
    static constexpr const char* kRegistryKey = "Software\\QelApp\\Lumaro\\HotKeys";
    static constexpr const char* kItemName = "HotKey";
    static constexpr const wchar_t* kSaveMutexName = L"Local\\QelApp.Lumaro.HotKeys.Save";

private:
    void install(std::unique_ptr<HotKeyList> list);
    void launch(const class HotKey& key);
    void postShellHotKey(int id);

    std::unique_ptr<Lumaro>& holder_;
    // Built in this order, and taken down in the reverse one whether the
    // start fails half-way or the controller goes: the tray window last,
    // taking the icon with it.
    std::unique_ptr<LmrTrayWindow> trayWindow_;
    std::unique_ptr<LmrAboutBox> aboutBox_;
    std::unique_ptr<HotKeyAccessCtrl> accessCtrl_;
    std::unique_ptr<LmrDisplayer> displayer_;
    std::unique_ptr<HotKeyList> hotKeyList_;
};
