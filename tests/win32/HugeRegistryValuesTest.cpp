#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Values of hundreds of megabytes in the real registry: a load goes past
// them, each ending only its own group, and no buffer is made for them.
namespace {

const char* const kRoot = "Software\\LumaroHugeValues";

class HugeRegistryValues : public ::testing::Test {
protected:
    void TearDown() override {
        QelRegistry cleaner;
        cleaner.deleteKey(std::string("\\") + kRoot);
    }

    static void set(const std::string& sub, const char* name, DWORD type,
                    const std::vector<unsigned char>& data) {
        HKEY key = nullptr;
        std::string path = std::string(kRoot) + sub;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS)
            << name << " " << data.size();
        RegCloseKey(key);
    }
    static std::vector<unsigned char> text(const std::string& s) {
        return std::vector<unsigned char>(s.begin(), s.end());
    }
    static std::vector<unsigned char> dword(DWORD v) {
        return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    }
};

} // namespace

TEST_F(HugeRegistryValues, EndOnlyTheirGroupOfALoad) {
    set("", "Count", REG_DWORD, dword(2));
    // Group 1 ends at a "Key" of 256 MB of binary data, group 2 at a
    // "Directory" of 64 MB of text.
    set("\\HotKey_0", "Key", REG_BINARY, std::vector<unsigned char>(size_t{256} << 20, 'k'));
    set("\\HotKey_0", "Ctrl", REG_DWORD, dword(1));
    set("\\HotKey_0", "Command", REG_SZ, text("x.exe"));
    set("\\HotKey_0", "Directory", REG_SZ, std::vector<unsigned char>(size_t{64} << 20, 'd'));
    set("\\HotKey_0", "Parameters", REG_SZ, text("p"));
    set("\\HotKey_0", "ShowCmd", REG_DWORD, dword(3));
    set("\\HotKey_1", "Key", REG_SZ, text("B"));
    set("\\HotKey_1", "Command", REG_SZ, text("y.exe"));

    HotKeyList list;
    {
        QelRegistry registry;
        ASSERT_TRUE(registry.openPath(kRoot));
        list.load("HotKey", registry);
    }
    ASSERT_EQ(list.count(), 2);
    const HotKey* a = list.at(0);
    EXPECT_EQ(a->key(), "");
    EXPECT_FALSE(a->ctrl());
    EXPECT_EQ(a->command(), "x.exe");
    EXPECT_EQ(a->directory(), "");
    EXPECT_EQ(a->parameters(), "");
    EXPECT_EQ(a->showCmd(), 5);
    EXPECT_EQ(list.at(1)->key(), "B");
    EXPECT_EQ(list.at(1)->command(), "y.exe");
}
