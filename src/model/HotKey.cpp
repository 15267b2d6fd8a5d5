#include "model/HotKey.h"

#include "model/Exception.h"
#include "model/QelRegistry.h"

HotKey::HotKey(const HotKey* source) {
    if (source)
        *this = *source;
}

HotKey& HotKey::operator=(const HotKey& other) {
    if (this == &other)
        return *this;
    setKeyLetter(other.keyLetter());
    ctrl_ = other.ctrl_;
    alt_ = other.alt_;
    shift_ = other.shift_;
    command_ = other.command_;
    directory_ = other.directory_;
    parameters_ = other.parameters_;
    extra_ = other.extra_;
    showCmd_ = other.showCmd_;
    return *this;
}

void HotKey::clear() {
    key_.clear();
    ctrl_ = alt_ = shift_ = false;
    command_.clear();
    directory_.clear();
    parameters_.clear();
    extra_ = 0;
    showCmd_ = kDefaultShowCmd;
}

void HotKey::setKeyLetter(char c) {
    key_ = c == '\0' ? std::string() : std::string(1, c);
}

void HotKey::setCombination(const KeyCombination& combination) {
    setKeyLetter(combination.letter());
    ctrl_ = combination.ctrl();
    alt_ = combination.alt();
    shift_ = combination.shift();
}

void HotKey::save(QelRegistry& registry) {
    registry.writeString("Key", key_);
    registry.writeBool("Ctrl", ctrl_);
    registry.writeBool("Alt", alt_);
    registry.writeBool("Shift", shift_);
    registry.writeString("Command", command_);
    registry.writeString("Directory", directory_);
    registry.writeString("Parameters", parameters_);
    registry.writeInteger("Extra", extra_);
    registry.writeInteger("ShowCmd", showCmd_);
}

// Each group is read on its own: an unreadable value ends its group, and
// what was read before it stays.
void HotKey::load(QelRegistry& registry) {
    clear();
    try {
        readCombination(registry);
    } catch (const Exception&) {
    }
    try {
        readAction(registry);
    } catch (const Exception&) {
    }
}

void HotKey::readCombination(QelRegistry& registry) {
    key_ = registry.readString("Key");
    ctrl_ = registry.readBool("Ctrl");
    alt_ = registry.readBool("Alt");
    shift_ = registry.readBool("Shift");
}

void HotKey::readAction(QelRegistry& registry) {
    command_ = registry.readString("Command");
    directory_ = registry.readString("Directory");
    parameters_ = registry.readString("Parameters");
    extra_ = registry.readInteger("Extra");
    showCmd_ = registry.readInteger("ShowCmd");
}
