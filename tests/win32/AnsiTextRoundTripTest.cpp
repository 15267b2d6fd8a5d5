#include "model/ERegistryException.h"
#include "model/HotKeyList.h"
#include "model/QelRegistry.h"
#include "toolkit/Latin1Text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// The registry keeps text as UTF-16; the program writes and reads it in the
// active code page. Every character that is valid text there must come back
// byte for byte: in a single-byte or double-byte code page (1252, 932, the
// runs of unit_tests.exe) and in UTF-8 (unit_tests_utf8.exe, whose manifest
// asks for it as Lumaro.exe's does), where a character takes up to 4 bytes.
namespace {

const char* const kRoot = "Software\\LumaroAnsiTest";

bool utf8() {
    return GetACP() == CP_UTF8;
}

bool roundTrips(const std::string& bytes) {
    wchar_t wide[4];
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                static_cast<int>(bytes.size()), wide, 4);
    if (n <= 0)
        return false;
    char back[8];
    BOOL lossy = FALSE;
    // UTF-8 has no default character: the flag must not be asked for.
    int m = WideCharToMultiByte(CP_ACP, 0, wide, n, back, sizeof back, nullptr,
                                utf8() ? nullptr : &lossy);
    return !lossy && m == static_cast<int>(bytes.size()) && std::string(back, m) == bytes;
}

// Every character of the active code page, in the order of its bytes.
std::vector<std::string> validCharacters() {
    std::vector<std::string> chars;
    if (utf8()) {
        for (char32_t c = 1; c <= 0x10FFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            std::string bytes = tk::utf8Of(c);
            if (roundTrips(bytes))
                chars.push_back(bytes);
        }
        return chars;
    }
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
    if (utf8()) { // every scalar value but NUL
        ASSERT_EQ(chars.size(), 0x10FFFFu - 0x800u);
    }
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

// The save's bound is the load's, in the real registry: a text of exactly
// the bound comes back whole, and one byte more is never written.
TEST_F(AnsiTextRoundTrip, TextOfTheBoundLoadsAndLongerIsNeverWritten) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath(kRoot));
    std::string bound(QelRegistry::kMaxTextBytes - 1, 'b');
    registry.writeString("Bound", bound);
    EXPECT_EQ(registry.readString("Bound"), bound);
    EXPECT_THROW(registry.writeString("Over", bound + "o"), ERegistryException);
    EXPECT_EQ(registry.readString("Over"), "");
}

TEST_F(AnsiTextRoundTrip, AMegabyteOfTheWidestCharactersLoads) {
    std::string widest;
    for (const std::string& c : validCharacters())
        if (c.size() > widest.size())
            widest = c;
    ASSERT_EQ(widest.size(), utf8() ? 4u : IsDBCSLeadByte(0x81) ? 2u : 1u) << GetACP();
    std::string big;
    while (big.size() < (size_t{1} << 20))
        big += widest;
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath(kRoot));
    registry.writeString("Wide", big);
    EXPECT_EQ(registry.readString("Wide"), big);
}

// What Wine 8 makes of bytes that are no UTF-8: the registry stores U+FFFD
// for them, which reads back as its three bytes, and the valid text around
// them stays as it was. A lone lead byte or a sequence cut short is one
// replacement; an overlong form, an encoded surrogate or a code point beyond
// U+10FFFF is one for each byte but a first that stood for a character
// alone (measured, not designed: the program never writes such bytes itself
// unless it was given them).
TEST_F(AnsiTextRoundTrip, InvalidUtf8IsStoredAsReplacementCharacters) {
    if (!utf8())
        GTEST_SKIP() << "code page " << GetACP();
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath(kRoot));
    const std::string replacement = "\xEF\xBF\xBD";
    struct Case {
        std::string written;
        std::string read;
    };
    const std::string r = replacement;
    const std::vector<Case> cases = {
        {"a\xFF"
         "b",
         "a" + r + "b"},
        {"\xC3", r},
        {"x\xC3", "x" + r},
        {"\xE6\x97", r},
        {"\xE6\x97x", r + "x"},
        {"\xF0\x9F\x94", r},
        {"\x80\x80", r + r},
        {"\xFE\xFF", r + r},
        {"\xC0\xAF", r + r},
        {"\xED\xA0\x80", r + r},
        {"\xED\xB0\x80z", r + r + "z"},
        {"\xF4\x90\x80\x80", r + r + r},
        {"\xE6\x97\xA5\xFF\xE6\x9C\xAC", "\xE6\x97\xA5" + r + "\xE6\x9C\xAC"},
    };
    for (const Case& c : cases) {
        registry.writeString("Invalid", c.written);
        EXPECT_EQ(registry.readString("Invalid"), c.read);
    }
}
