// Fills the list key with whatever the input describes and loads it: no
// input may crash, hang, leak a handle or create keys without bound.
#include "fakes/FakeRegistry.h"
#include "fakes/ScopedRegistryApi.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kListKey = "Software\\QelApp\\Lumaro\\HotKeys";
const char* const kValueNames[] = {"Count",   "Key",       "Ctrl",       "Alt",   "Shift",
                                   "Command", "Directory", "Parameters", "Extra", "ShowCmd"};

class Input {
public:
    Input(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t dword() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return v;
    }
    std::vector<unsigned char> bytes(size_t max) {
        size_t n = byte() % (max + 1);
        std::vector<unsigned char> out;
        while (n-- && !done())
            out.push_back(byte());
        return out;
    }

private:
    const std::uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

std::string keyName(Input& in) {
    std::uint8_t pick = in.byte();
    if (pick < 200)
        return "HotKey_" + std::to_string(pick % 40);
    auto raw = in.bytes(12);
    std::string name;
    for (unsigned char c : raw)
        if (c != 0 && c != '\\')
            name += static_cast<char>(c);
    return name.empty() ? "x" : name;
}

void fill(FakeRegistry& fake, Input& in) {
    fake.makeKey(kListKey);
    while (!in.done()) {
        std::uint8_t op = in.byte();
        std::string key = op & 1 ? kListKey : kListKey + "\\" + keyName(in);
        std::string name = kValueNames[in.byte() % 10];
        platform::Dword type = in.byte() % 8;
        std::vector<unsigned char> data;
        if (op & 2) {
            std::uint32_t v = in.dword();
            data = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
            data.resize(in.byte() % 9);
        } else {
            data = in.bytes(64);
        }
        fake.setValue(key, name, type, data);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FakeRegistry fake;
    Input in(data, size);
    fill(fake, in);
    size_t keysBefore = fake.keyCount();
    ScopedRegistryApi scope(fake);
    HotKeyList list;
    {
        QelRegistry registry;
        registry.openPath(kListKey);
        list.load("HotKey", registry);
        HotKeyList installed(&list);
        installed.save("HotKey", registry);
    }
    if (fake.openHandles() != 0 ||
        fake.keyCount() > keysBefore + QelRegistrySerializableList::kTrustedCount + 1)
        std::abort();
    return 0;
}
