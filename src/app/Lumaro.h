#pragma once

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

    HotKeyAccessCtrl* accessCtrl() const { return accessCtrl_; }
    void commitDefinitions();
    void setHotKeyList(const HotKeyList* list);
    void executeHotKey(char letter, bool ctrl, bool alt, bool shift);
    HotKeyList* loadHotKeyList();
    void saveHotKeyList(const HotKeyList* list);
    void showDefineWindow();
    void showAboutBox();

    const HotKeyList* hotKeyList() const { return hotKeyList_; }
    LmrTrayWindow* trayWindow() const { return trayWindow_; }
    LmrDisplayer* displayer() const { return displayer_; }
    LmrAboutBox* aboutBox() const { return aboutBox_; }

    static constexpr const char* kTitle = "Lumaro";
    static constexpr const char* kAtomPrefix = "Lumaro";
    static constexpr const char* kRegistryKey = "Software\\QelApp\\Lumaro\\HotKeys";
    static constexpr const char* kItemName = "HotKey";

private:
    void build();
    void abandon() noexcept;
    void launch(const class HotKey& key);
    void postShellHotKey(int id);

    LmrDisplayer* displayer_ = nullptr;
    HotKeyList* hotKeyList_ = nullptr;
    HotKeyAccessCtrl* accessCtrl_ = nullptr;
    LmrTrayWindow* trayWindow_ = nullptr;
    LmrAboutBox* aboutBox_ = nullptr;
};
