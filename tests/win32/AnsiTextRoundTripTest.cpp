#include "model/HotKeyList.h"
#include "model/QelRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// The registry keeps text as UTF-16; the program writes and reads it in the
// active code page. Every character that is valid text there must come back
// byte for byte.
namespace {

const char* const kRoot = "Software\\LumaroAnsiTest";

bool roundTrips(const std::string& bytes) {
    wchar_t wide[4];
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                static_cast<int>(bytes.size()), wide, 4);
    if (n <= 0)
        return false;
    char back[8];
    BOOL lossy = FALSE;
    int m = WideCharToMultiByte(CP_ACP, 0, wide, n, back, sizeof back, nullptr, &lossy);
    return !lossy && m == static_cast<int>(bytes.size()) && std::string(back, m) == bytes;
}

std::vector<std::string> validCharacters() {
    std::vector<std::string> chars;
    for (int lead = 1; lead < 256; ++lead) {
        if (!IsDBCSLeadByte(static_cast<BYTE>(lead))) {
            std::string one(1, static_cast<char>(lead));
            if (roundTrips(one))
                chars.push_back(one);
            continue;
        }
        for (int trail = 0x40; trail < 0xFF; ++trail) {
            std::string two{static_cast<char>(lead), static_cast<char>(trail)};
            if (roundTrips(two))
                chars.push_back(two);
        }
    }
    return chars;
}

std::vector<std::string> chunks(const std::vector<std::string>& chars, size_t size) {
    std::vector<std::string> out(1);
    for (const std::string& c : chars) {
        if (out.back().size() + c.size() > size)
            out.emplace_back();
        out.back() += c;
    }
    return out;
}

class AnsiTextRoundTrip : public ::testing::Test {
protected:
    void TearDown() override {
        QelRegistry cleaner;
        cleaner.deleteKey(std::string("\\") + kRoot);
    }
};

} // namespace

TEST_F(AnsiTextRoundTrip, EveryValidCharacterComesBackAsItsBytes) {
    std::vector<std::string> chars = validCharacters();
    ASSERT_GT(chars.size(), 200u) << "code page " << GetACP();
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath(kRoot));
    int index = 0;
    for (const std::string& text : chunks(chars, 4000)) {
        std::string name = "T" + std::to_string(index++);
        registry.writeString(name, text);
        ASSERT_EQ(registry.readString(name), text) << name << " code page " << GetACP();
    }
}

TEST_F(AnsiTextRoundTrip, EveryTextFieldOfARecordRoundTrips) {
    std::vector<std::string> chars = validCharacters();
    std::string high;
    for (size_t i = chars.size(); i-- > 0 && high.size() < 200;)
        high += chars[i];
    char letter = 0;
    for (const std::string& c : chars)
        if (c.size() == 1)
            letter = c[0];
    HotKeyList list;
    auto* key = new HotKey();
    key->setKeyLetter(letter);
    std::string command = "C:\\", parameters = "\"";
    command.append(high).append(".exe");
    parameters.append(high).append("\" /x");
    key->setCommand(command);
    key->setDirectory(high);
    key->setParameters(parameters);
    list.addOrReplace(key);
    {
        QelRegistry registry;
        registry.openPath(kRoot);
        list.save("HotKey", registry);
    }
    HotKeyList loaded;
    QelRegistry registry;
    registry.openPath(kRoot);
    loaded.load("HotKey", registry);
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.at(0)->key(), std::string(1, letter));
    EXPECT_EQ(loaded.at(0)->command(), key->command());
    EXPECT_EQ(loaded.at(0)->directory(), high);
    EXPECT_EQ(loaded.at(0)->parameters(), key->parameters());
}

TEST_F(AnsiTextRoundTrip, AMegabyteOfTextLoads) {
    std::string big(1 << 20, 'm');
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath(kRoot));
    registry.writeString("Big", big);
    EXPECT_EQ(registry.readString("Big"), big);
}
