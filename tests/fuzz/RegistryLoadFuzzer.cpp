// Fills the list key with whatever the input describes (values of up to a few
// KB, huge ones, sizes reported wrong, a value that grows while it is read)
// and loads it: no input may crash, hang, leak a handle, let an exception
// out, offer a buffer above the text bound or create keys without bound.
// Then the oracle: the definitions loaded, copied as the controller copies
// them, saved and loaded again are the same definitions.
#include "StoredDefinitions.h"
#include "fakes/FakeRegistry.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "platform/RegistryApi.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using stored::kListKey;
const char* const kValueNames[] = {"Count",   "Key",       "Ctrl",       "Alt",   "Shift",
                                   "Command", "Directory", "Parameters", "Extra", "ShowCmd"};
constexpr size_t kLongestValue = 6000;

class Input {
public:
    Input(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
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
    // Up to kLongestValue bytes from a short pattern, so that values of a
    // few KB need only a few bytes of input.
    std::vector<unsigned char> repeated() {
        size_t length = word() % (kLongestValue + 1);
        std::vector<unsigned char> pattern = bytes(8);
        if (pattern.empty())
            pattern.push_back('r');
        std::vector<unsigned char> out(length);
        for (size_t i = 0; i < length; ++i)
            out[i] = pattern[i % pattern.size()];
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
    if (pick < 210)
        return "HotKey_" + std::to_string(in.word());
    auto raw = in.bytes(12);
    std::string name;
    for (unsigned char c : raw)
        if (c != 0 && c != '\\')
            name += static_cast<char>(c);
    return name.empty() ? "x" : name;
}

void fill(FakeRegistry& fake, Input& in) {
    fake.makeKey(kListKey);
    bool hugeDone = false;
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
        } else if (op & 4) {
            data = in.repeated();
        } else {
            data = in.bytes(64);
        }
        if ((op & 0x18) == 0x18 && !hugeDone) {
            // One value per input of any size up to 4 GB, kept without its bytes.
            hugeDone = true;
            fake.setHugeValue(key, name, type, in.dword() | 0x100, in.byte());
            continue;
        }
        fake.setValue(key, name, type, data);
        if (op & 0x20)
            fake.misreportSize(key, name, op & 0x40 ? in.dword() : in.word());
    }
}

void load(HotKeyList& list) {
    QelRegistry registry;
    registry.openPath(kListKey);
    list.load("HotKey", registry);
}

void save(const HotKeyList& list) {
    QelRegistry registry;
    registry.openPath(kListKey);
    list.save("HotKey", registry);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FakeRegistry fake;
    Input in(data, size);
    // The first bytes: a value that grows while it is read, from which call,
    // by how much, how often.
    std::uint8_t growth = in.byte();
    long fromCall = in.byte();
    platform::Dword growBy = static_cast<platform::Dword>(in.byte()) * 16;
    fill(fake, in);
    size_t keysBefore = fake.keyCount();
    platform::Seam<platform::RegistryApi>::Scoped scope(fake);
    if (growth & 1)
        fake.growValues(fromCall, growBy, 1 + (growth >> 1) % 8, growth & 2);

    HotKeyList list;
    load(list);
    if (fake.openHandles() != 0 || fake.largestQueryBuffer() > QelRegistry::kMaxTextBytes ||
        fake.keyCount() > keysBefore + QelRegistrySerializableList::kTrustedCount + 1)
        std::abort();
    fake.resetCalls();

    HotKeyList installed(&list);
    save(installed);
    HotKeyList loaded;
    load(loaded);
    HotKeyList copy(&loaded);
    if (stored::describe(loaded) != stored::describe(installed) ||
        stored::describe(copy) != stored::describe(installed))
        std::abort();
    size_t keysSaved = fake.keyCount();
    save(copy);
    if (fake.keyCount() != keysSaved || fake.openHandles() != 0)
        std::abort();
    return 0;
}
