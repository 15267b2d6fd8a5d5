#include "fakes/RegistryBackends.h"
#include "model/ERegistryException.h"
#include "model/QelRegistry.h"
#include "platform/RegistryApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the program relies on of the registry, run against the fake and, in
// the Windows build, against the real registry: the fake must not drift.
namespace {

using namespace platform;

class RegistryContract : public ::testing::TestWithParam<RegistryBackend> {
protected:
    void SetUp() override {
        api = GetParam().make();
        scope = std::make_unique<platform::Seam<platform::RegistryApi>::Scoped>(*api);
        root = "Software\\LumaroContract\\" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (char& c : root)
            if (c == '/')
                c = '_';
        ASSERT_TRUE(registry.openPath(root));
    }
    void TearDown() override {
        registry.closeKey();
        QelRegistry cleaner;
        cleaner.deleteKey("\\Software\\LumaroContract");
    }

    void setRaw(const char* name, Dword type, std::vector<unsigned char> bytes) {
        RegHandle key = open();
        ASSERT_EQ(
            api->RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<Dword>(bytes.size())),
            kErrorSuccess);
        api->RegCloseKey(key);
    }
    RegHandle open(const std::string& sub = "") {
        RegHandle key = 0;
        std::string path = sub.empty() ? root : root + "\\" + sub;
        EXPECT_EQ(api->RegOpenKeyExA(kHkeyCurrentUser, path.c_str(), 0, kKeyAllAccess, &key),
                  kErrorSuccess);
        return key;
    }
    std::string errorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.message();
        }
        return "(none)";
    }

    std::shared_ptr<RegistryApi> api;
    std::unique_ptr<platform::Seam<platform::RegistryApi>::Scoped> scope;
    std::string root;
    QelRegistry registry;
};

// A sub-key name in the backend's code page with characters of several bytes
// where the code page has them, its length in UTF-16 characters, and a name
// of the longest length a key may have (255 characters) in as many bytes as
// the code page allows.
struct NameSample {
    std::string name;
    Dword characters;
    std::string longest;
};

NameSample nameSampleFor(unsigned codePage) {
    auto repeat = [](const std::string& character, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += character;
        return text;
    };
    switch (codePage) {
    case 932: // 日本語のキー
        return {"\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x4C\x81\x5B", 6, repeat("\x8C\xEA", 255)};
    case 65001: // 日本語🔑キー€: the key is beyond the BMP, two UTF-16 characters
        return {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xF0\x9F\x94\x91\xE3\x82\xAD\xE3\x83\xBC"
                "\xE2\x82\xAC",
                8, repeat("\xE8\xAA\x9E", 255)};
    default: // Grüße_€ in code page 1252
        return {"Gr\xFC\xDF"
                "e_\x80",
                7, repeat("\xE9", 255)};
    }
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_P(RegistryContract, MissingValuesAndKeys) {
    RegHandle key = open();
    Dword type = 0, size = 4;
    unsigned char buffer[4];
    EXPECT_EQ(api->RegQueryValueExA(key, "Nothing", nullptr, &type, buffer, &size),
              kErrorFileNotFound);
    RegHandle missing = 0;
    EXPECT_EQ(api->RegOpenKeyExA(key, "NoSuchKey", 0, kKeyAllAccess, &missing), kErrorFileNotFound);
    char name[16];
    Dword nameSize = sizeof name;
    EXPECT_EQ(api->RegEnumKeyExA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              kErrorNoMoreItems);
    api->RegCloseKey(key);
    EXPECT_EQ(registry.readString("Nothing"), "");
    EXPECT_EQ(errorOf([&] { registry.readInteger("Nothing"); }), "'Nothing' の取得に失敗しました");
}

TEST_P(RegistryContract, ValueTypesAsTheAccessorReadsThem) {
    setRaw("Text", kRegSz, {'1', 0});
    setRaw("Binary", kRegBinary, {1, 0, 0, 0});
    setRaw("Long", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0});
    setRaw("Short", kRegDword, {0x34, 0x12});
    setRaw("Expand", kRegExpandSz, {'%', 'P', '%', 0});
    EXPECT_EQ(errorOf([&] { registry.readInteger("Text"); }), "'Text' のﾃﾞｰﾀ型が不正です");
    EXPECT_EQ(errorOf([&] { registry.readInteger("Binary"); }), "'Binary' のﾃﾞｰﾀ型が不正です");
    EXPECT_EQ(errorOf([&] { registry.readInteger("Long"); }), "'Long' の取得に失敗しました");
    EXPECT_EQ(registry.readInteger("Short"), 0x1234);
    EXPECT_EQ(registry.readString("Expand"), "%P%");
    EXPECT_EQ(errorOf([&] { registry.readString("Binary"); }), "'Binary' のﾃﾞｰﾀ型が不正です");
}

TEST_P(RegistryContract, TextWithoutNulAndWithAnEmbeddedNul) {
    setRaw("Bare", kRegSz, {'a', 'b', 'c'});
    setRaw("Embedded", kRegSz, {'a', 0, 'b', 0});
    setRaw("Empty", kRegSz, {});
    EXPECT_EQ(registry.readString("Bare"), "abc");
    EXPECT_EQ(registry.readString("Embedded"), "a");
    EXPECT_EQ(registry.readString("Empty"), "");
    registry.writeString("Written", "xyz");
    EXPECT_EQ(registry.readString("written"), "xyz");
}

TEST_P(RegistryContract, SmallBufferReportsTheSizeNeeded) {
    setRaw("Text", kRegSz, {'h', 'e', 'l', 'l', 'o', 0});
    RegHandle key = open();
    unsigned char buffer[2];
    Dword type = 0, size = sizeof buffer;
    EXPECT_EQ(api->RegQueryValueExA(key, "Text", nullptr, &type, buffer, &size), kErrorMoreData);
    EXPECT_EQ(size, 6u);
    std::vector<unsigned char> big(size);
    EXPECT_EQ(api->RegQueryValueExA(key, "TEXT", nullptr, &type, big.data(), &size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(std::string(big.begin(), big.begin() + 5), "hello");
    api->RegCloseKey(key);
}

TEST_P(RegistryContract, NamesCompareWithoutCase) {
    registry.writeInteger("Count", 3);
    registry.writeInteger("COUNT", 4);
    EXPECT_EQ(registry.readInteger("count"), 4);
    {
        QelRegistry child(registry, "HotKey_0");
        child.writeString("Key", "A");
    }
    QelRegistry again(registry, "HOTKEY_0");
    EXPECT_EQ(again.readString("KEY"), "A");
    EXPECT_EQ(registry.subKeyNames(), std::vector<std::string>{"HotKey_0"});
}

TEST_P(RegistryContract, DeletingAKeyWithSubKeys) {
    {
        QelRegistry child(registry, "Parent\\Child");
        child.writeInteger("V", 1);
    }
    RegHandle key = open();
    EXPECT_EQ(api->RegDeleteKeyA(key, "Parent"), kErrorAccessDenied);
    Dword subKeys = 0, longest = 0;
    EXPECT_EQ(api->RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr),
              kErrorSuccess);
    EXPECT_EQ(subKeys, 1u);
    EXPECT_EQ(longest, 6u);
    EXPECT_EQ(api->RegDeleteKeyA(key, "Missing"), kErrorFileNotFound);
    EXPECT_EQ(api->RegFlushKey(key), kErrorSuccess);
    api->RegCloseKey(key);
    // One call for a key without sub-keys, the walk below it otherwise.
    EXPECT_TRUE(registry.removeKey("Parent"));
    EXPECT_EQ(registry.subKeyCount(), 0);
    EXPECT_TRUE(registry.removeKey("Parent"));
    EXPECT_FALSE(registry.deleteKey("Parent"));
}

TEST_P(RegistryContract, SubKeyNamesAreCountedInCharactersAndReadInBytes) {
    const NameSample sample = nameSampleFor(GetParam().codePage);
    {
        QelRegistry child(registry, "Only\\" + sample.name);
        child.writeString("Text", sample.name);
    }
    RegHandle key = open("Only");
    Dword subKeys = 0, longest = 0;
    EXPECT_EQ(api->RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr),
              kErrorSuccess);
    EXPECT_EQ(longest, sample.characters) << sample.name.size() << " bytes";
    // A buffer as long as the count in characters is too short.
    std::vector<char> name(longest + 1);
    Dword size = static_cast<Dword>(name.size());
    long rc = api->RegEnumKeyExA(key, 0, name.data(), &size, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(rc, sample.name.size() > longest ? kErrorMoreData : kErrorSuccess);
    api->RegCloseKey(key);
    QelRegistry only(registry, "Only");
    EXPECT_EQ(only.subKeyNames(), std::vector<std::string>{sample.name});
    QelRegistry item(registry, "Only\\" + sample.name);
    EXPECT_EQ(item.readString("Text"), sample.name);
}

TEST_P(RegistryContract, KeysWithNamesOfManyBytesAreListedAndDeleted) {
    const NameSample sample = nameSampleFor(GetParam().codePage);
    {
        QelRegistry deep(registry, "Parent\\" + sample.name + "\\" + sample.longest);
        deep.writeInteger("V", 1);
        QelRegistry longest(registry, "Parent\\" + sample.longest);
        longest.writeString("T", sample.longest);
        QelRegistry plain(registry, "Parent\\x");
    }
    RegHandle key = open("Parent");
    Dword subKeys = 0, longest = 0;
    EXPECT_EQ(api->RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr),
              kErrorSuccess);
    EXPECT_EQ(subKeys, 3u);
    EXPECT_EQ(longest, 255u);
    api->RegCloseKey(key);
    {
        QelRegistry parent(registry, "Parent");
        EXPECT_EQ(sorted(parent.subKeyNames()), sorted({sample.name, sample.longest, "x"}));
        QelRegistry inner(registry, "Parent\\" + sample.name);
        EXPECT_EQ(inner.subKeyNames(), std::vector<std::string>{sample.longest});
        QelRegistry value(registry, "Parent\\" + sample.longest);
        EXPECT_EQ(value.readString("T"), sample.longest);
    }
    EXPECT_TRUE(registry.deleteKey("Parent"));
    EXPECT_EQ(registry.subKeyCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract, ::testing::ValuesIn(registryBackends()),
                         backendName);
