#pragma once
#include "model/KeyCombination.h"
#include "model/QelRegistrySerializable.h"
#include "platform/ShellApi.h"

#include <string>

// One hotkey definition: the combination (Windows key + optional Ctrl, Alt,
// Shift + a letter) and what pressing it does.
//
// The action code `extra`: 0 launches `command`; low three bits 1 is the
// pop-up key; low three bits 2 posts the shell binding (extra >> 3) & 31.
class HotKey : public QelRegistrySerializable {
public:
    HotKey() = default;
    explicit HotKey(const HotKey* source);
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey& other);
    ~HotKey() override = default;

    void clear();

    char keyLetter() const { return key_.empty() ? '\0' : key_[0]; }
    const std::string& key() const { return key_; }
    bool ctrl() const { return ctrl_; }
    bool alt() const { return alt_; }
    bool shift() const { return shift_; }
    KeyCombination combination() const { return {keyLetter(), ctrl_, alt_, shift_}; }
    // Compared field by field: the lists' look-ups run through every item.
    bool matches(const KeyCombination& c) const {
        return keyLetter() == c.letter() && ctrl_ == c.ctrl() && alt_ == c.alt() &&
               shift_ == c.shift();
    }
    std::string command() const { return command_; }
    std::string directory() const { return directory_; }
    std::string parameters() const { return parameters_; }
    int extra() const { return extra_; }
    int showCmd() const { return showCmd_; }

    void setKeyLetter(char c);
    void setCtrl(bool value) { ctrl_ = value; }
    void setAlt(bool value) { alt_ = value; }
    void setShift(bool value) { shift_ = value; }
    void setCombination(const KeyCombination& combination);
    void setCommand(std::string value) { command_ = std::move(value); }
    void setDirectory(std::string value) { directory_ = std::move(value); }
    void setParameters(std::string value) { parameters_ = std::move(value); }
    void setExtra(int value) { extra_ = value; }
    void setShowCmd(int value) { showCmd_ = value; }

    bool isLaunch() const { return isLaunchExtra(extra_); }
    bool isPopup() const { return isPopupExtra(extra_); }
    bool isBind() const { return isBindExtra(extra_); }
    int bindId() const { return bindIdOfExtra(extra_); }
    bool isEmptyDefinition() const { return command_.empty() && extra_ == 0; }

    void setLaunch() { extra_ = 0; }
    void setPopup() { extra_ = 1; }
    void setBind(int id) { extra_ = ((id << 3) & 0xF8) | 2; }

    static bool isLaunchExtra(int code) { return code == 0; }
    static bool isPopupExtra(int code) { return (code & 7) == 1; }
    static bool isBindExtra(int code) { return (code & 7) == 2; }
    static int bindIdOfExtra(int code) { return (code >> 3) & 31; }

    static constexpr int kDefaultShowCmd = platform::kSwShow;

    void save(QelRegistry& registry) override;
    void load(QelRegistry& registry) override;

private:
    void readCombination(QelRegistry& registry);
    void readAction(QelRegistry& registry);

    std::string key_;
    bool ctrl_ = false;
    bool alt_ = false;
    bool shift_ = false;
    std::string command_;
    std::string directory_;
    std::string parameters_;
    int extra_ = 0;
    int showCmd_ = kDefaultShowCmd;
};
