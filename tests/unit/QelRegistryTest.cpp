#include "model/QelRegistry.h"
#include "fakes/FakeRegistry.h"
#include "model/ERegistryException.h"
#include "platform/RegistryApi.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class QelRegistryTest : public ::testing::Test {
protected:
    FakeRegistry fake;
    platform::Seam<platform::RegistryApi>::Scoped scope{fake};
};

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& e) {
        return e.message();
    }
    return "(no error)";
}

} // namespace

TEST_F(QelRegistryTest, OpenPathSkipsEmptyComponentsAndKeepsTheArgument) {
    {
        QelRegistry registry;
        ASSERT_TRUE(registry.openPath("\\Software\\\\QelApp\\Lumaro\\"));
        EXPECT_EQ(registry.path(), "\\Software\\\\QelApp\\Lumaro\\");
        registry.writeInteger("Here", 1);
    }
    EXPECT_EQ(fake.dwordValue("Software\\QelApp\\Lumaro", "Here"), 1u);
    EXPECT_EQ(fake.subKeyNames("Software"), std::vector<std::string>{"QelApp"});
    EXPECT_EQ(fake.openHandles(), 0u);
}

TEST_F(QelRegistryTest, FailedOpenPathLeavesNoKeyAndNoPath) {
    fake.makeKey("Software");
    fake.failFunction("RegCreateKeyExA");
    QelRegistry registry;
    EXPECT_FALSE(registry.openPath("Software\\X"));
    EXPECT_EQ(registry.path(), "");
    EXPECT_FALSE(registry.hasCurrentKey());
    EXPECT_EQ(fake.openHandles(), 0u);
}

TEST_F(QelRegistryTest, ChildOfAnUnopenedAccessorHasNoKey) {
    QelRegistry parent;
    QelRegistry child(parent, "HotKey_0");
    EXPECT_FALSE(child.hasCurrentKey());
    EXPECT_EQ(child.readString("Key"), "");
    EXPECT_EQ(messageOf([&] { child.readInteger("Ctrl"); }), "'Ctrl' の取得に失敗しました");
    EXPECT_EQ(messageOf([&] { child.writeString("Key", "A"); }), "'Key' の設定に失敗しました");
    EXPECT_EQ(messageOf([&] { child.writeBool("Alt", true); }), "'Alt' の設定に失敗しました");
    EXPECT_EQ(fake.keyCount(), 0u);
}

TEST_F(QelRegistryTest, ChildOpensItsOwnHandleBelowTheParentPath) {
    QelRegistry parent;
    ASSERT_TRUE(parent.openPath("A\\B"));
    QelRegistry child(parent, "C");
    EXPECT_EQ(child.path(), "A\\B\\C");
    QelRegistry same(parent, "");
    EXPECT_EQ(same.path(), "A\\B");
    QelRegistry copy(parent);
    EXPECT_EQ(copy.path(), "A\\B");
    EXPECT_TRUE(fake.hasKey("a\\b\\c"));
    EXPECT_EQ(fake.openHandles(), 4u);
}

TEST_F(QelRegistryTest, OpenKeyTracksRelativeAndAbsoluteNames) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openKey("A", true));
    ASSERT_TRUE(registry.openKey("B", true));
    EXPECT_EQ(registry.currentPath(), "A\\B");
    EXPECT_FALSE(registry.openKey("Missing", false));
    EXPECT_EQ(registry.currentPath(), "A\\B");
    ASSERT_TRUE(registry.openKey("\\A", false));
    EXPECT_EQ(registry.currentPath(), "A");
    EXPECT_EQ(fake.openHandles(), 1u);
    registry.closeKey();
    EXPECT_EQ(registry.currentPath(), "");
    EXPECT_EQ(fake.openHandles(), 0u);
}

TEST_F(QelRegistryTest, StringsAreWrittenWithoutNulAndReadUpToTheFirstNul) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    registry.writeString("Text", "abc");
    EXPECT_EQ(fake.findValue("K", "text")->bytes.size(), 3u);
    EXPECT_EQ(fake.findValue("K", "text")->type, platform::kRegSz);
    fake.setValue("K", "Nul", platform::kRegSz, {'a', 0, 'b'});
    fake.setValue("K", "Expand", platform::kRegExpandSz, {'%', 'X', '%', 0});
    EXPECT_EQ(registry.readString("TEXT"), "abc");
    EXPECT_EQ(registry.readString("Nul"), "a");
    EXPECT_EQ(registry.readString("Expand"), "%X%");
    EXPECT_EQ(registry.readString("Missing"), "");
    fake.setValue("K", "Number", platform::kRegDword, {1, 0, 0, 0});
    EXPECT_EQ(messageOf([&] { registry.readString("Number"); }), "'Number' のﾃﾞｰﾀ型が不正です");
}

TEST_F(QelRegistryTest, LongStringsGrowTheBuffer) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    std::string big(1 << 20, 'x');
    big[12345] = 'y';
    registry.writeString("Big", big);
    EXPECT_EQ(registry.readString("Big"), big);
}

TEST_F(QelRegistryTest, IntegersAcceptOnlyDwordsOfAtMostFourBytes) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    registry.writeInteger("Minus", -6);
    EXPECT_EQ(fake.dwordValue("K", "Minus"), 4294967290u);
    EXPECT_EQ(registry.readInteger("Minus"), -6);
    fake.setValue("K", "Short", platform::kRegDword, {0xFE});
    EXPECT_EQ(registry.readInteger("Short"), 254);
    fake.setValue("K", "Long", platform::kRegDword, {1, 0, 0, 0, 0});
    EXPECT_EQ(messageOf([&] { registry.readInteger("Long"); }), "'Long' の取得に失敗しました");
    EXPECT_EQ(messageOf([&] { registry.readInteger("None"); }), "'None' の取得に失敗しました");
    fake.setString("K", "Text", "1");
    EXPECT_EQ(messageOf([&] { registry.readInteger("Text"); }), "'Text' のﾃﾞｰﾀ型が不正です");
    fake.setValue("K", "Bin", platform::kRegBinary, {1, 0, 0, 0});
    EXPECT_EQ(messageOf([&] { registry.readBool("Bin"); }), "'Bin' のﾃﾞｰﾀ型が不正です");
    fake.setDword("K", "Seven", 7);
    EXPECT_TRUE(registry.readBool("Seven"));
}

TEST_F(QelRegistryTest, DeleteKeyRemovesEverythingBelowAndRestoresTheCurrentKey) {
    fake.makeKey("L\\Item\\A\\Deep");
    fake.makeKey("L\\Item\\B");
    fake.setDword("L\\Item\\B", "V", 1);
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("L"));
    EXPECT_TRUE(registry.deleteKey("item"));
    EXPECT_FALSE(fake.hasKey("L\\Item"));
    EXPECT_TRUE(fake.hasKey("L"));
    registry.writeInteger("StillHere", 1);
    EXPECT_EQ(fake.dwordValue("L", "StillHere"), 1u);
    EXPECT_FALSE(registry.deleteKey("Item"));
    EXPECT_EQ(fake.openHandles(), 1u);
}

TEST_F(QelRegistryTest, TextUpToTheBoundLoadsAndLongerTextIsUnreadable) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    const size_t bound = QelRegistry::kMaxTextBytes;
    ASSERT_GE(bound, size_t{4} << 20) << "a megabyte of 4-byte characters must load";
    fake.setHugeValue("K", "Exact", platform::kRegSz, static_cast<platform::Dword>(bound), 'e');
    EXPECT_EQ(registry.readString("Exact"), std::string(bound, 'e'));
    fake.setHugeValue("K", "Over", platform::kRegSz, static_cast<platform::Dword>(bound + 1), 'o');
    EXPECT_EQ(messageOf([&] { registry.readString("Over"); }), "'Over' の取得に失敗しました");
    EXPECT_LE(fake.largestQueryBuffer(), bound);
    // Hundreds of megabytes: not even a buffer of the bound is made.
    fake.resetCalls();
    for (platform::Dword size : {300u << 20, 0xFFFFFFFFu}) {
        fake.setHugeValue("K", "Huge", platform::kRegExpandSz, size, 'h');
        EXPECT_EQ(messageOf([&] { registry.readString("Huge"); }), "'Huge' の取得に失敗しました");
    }
    EXPECT_EQ(fake.callCount(), 2);
}

TEST_F(QelRegistryTest, HugeDataOfAnotherTypeIsNeverFetched) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    fake.setHugeValue("K", "Binary", platform::kRegBinary, 300u << 20, 0);
    fake.setHugeValue("K", "Multi", platform::kRegMultiSz, 0xFFFFFFFFu, 'm');
    fake.setHugeValue("K", "Dword", platform::kRegDword, 300u << 20, 1);
    EXPECT_EQ(messageOf([&] { registry.readString("Binary"); }), "'Binary' のﾃﾞｰﾀ型が不正です");
    EXPECT_EQ(messageOf([&] { registry.readString("Multi"); }), "'Multi' のﾃﾞｰﾀ型が不正です");
    EXPECT_EQ(messageOf([&] { registry.readInteger("Dword"); }), "'Dword' の取得に失敗しました");
    EXPECT_EQ(messageOf([&] { registry.readInteger("Binary"); }), "'Binary' のﾃﾞｰﾀ型が不正です");
    EXPECT_LE(fake.largestQueryBuffer(), 256u);
}

TEST_F(QelRegistryTest, ReportedSizesThatDoNotMatchTheData) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    std::string text(100000, 't');
    text[99999] = 'z';
    const auto bound = static_cast<platform::Dword>(QelRegistry::kMaxTextBytes);
    for (platform::Dword reported : {0u, 1u, 257u, 99999u, 100001u, bound, 2 * bound}) {
        fake.setString("K", "Text", text);
        fake.misreportSize("K", "Text", reported);
        EXPECT_EQ(registry.readString("Text"), text) << reported;
    }
    // A size beyond twice the bound is more than any text that fits could
    // be reported as (UTF-16 takes at most twice the bytes): unreadable.
    for (platform::Dword reported : {2 * bound + 1, 0xFFFFFFFFu}) {
        fake.misreportSize("K", "Text", reported);
        EXPECT_EQ(messageOf([&] { registry.readString("Text"); }), "'Text' の取得に失敗しました");
    }
    fake.setDword("K", "Number", 7);
    fake.misreportSize("K", "Number", 0xFFFFFFFFu);
    EXPECT_EQ(registry.readInteger("Number"), 7);
    EXPECT_LE(fake.largestQueryBuffer(), QelRegistry::kMaxTextBytes);
}

TEST_F(QelRegistryTest, ValuesThatGrowBetweenCalls) {
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("K"));
    fake.setString("K", "Once", "abc");
    fake.resetCalls();
    fake.growValues(1, 300);
    EXPECT_EQ(registry.readString("Once"), "abc" + std::string(300, 'g'));

    fake.setString("K", "Thrice", "abc");
    fake.resetCalls();
    fake.growValues(1, 4000, 3);
    EXPECT_EQ(registry.readString("Thrice"), "abc" + std::string(12000, 'g'));
    EXPECT_EQ(fake.callCount(), 4);

    // A value that keeps outgrowing every buffer is unreadable, and the
    // buffer never passes the bound.
    fake.setString("K", "Racing", "abc");
    fake.resetCalls();
    fake.growValues(1, 300, -1, true);
    EXPECT_EQ(messageOf([&] { registry.readString("Racing"); }), "'Racing' の取得に失敗しました");
    EXPECT_LE(fake.largestQueryBuffer(), QelRegistry::kMaxTextBytes);
    EXPECT_LE(fake.callCount(), 30);

    fake.setDword("K", "Number", 1);
    fake.resetCalls();
    fake.growValues(1, 1);
    EXPECT_EQ(messageOf([&] { registry.readInteger("Number"); }), "'Number' の取得に失敗しました");
}

TEST_F(QelRegistryTest, SubKeyNamesLongerInBytesThanInCharacters) {
    fake.setCodePage(65001);
    // Three CJK characters and a key: 3 + 2 UTF-16 characters, 13 bytes.
    const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xF0\x9F\x94\x91";
    std::string longest;
    for (int i = 0; i < 255; ++i)
        longest += "\xE8\xAA\x9E";
    fake.makeKey("L\\Item\\" + japanese + "\\Deep");
    fake.makeKey("L\\Item\\" + longest);
    fake.makeKey("L\\Item\\ab");
    EXPECT_EQ(fake.charactersOf(japanese), 5u);
    EXPECT_EQ(fake.charactersOf(longest), 255u);
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("L\\Item"));
    EXPECT_EQ(registry.subKeyNames(), (std::vector<std::string>{"ab", japanese, longest}));
    registry.closeKey();
    ASSERT_TRUE(registry.openPath("L"));
    EXPECT_TRUE(registry.deleteKey("Item"));
    EXPECT_FALSE(fake.hasKey("L\\Item"));
}

TEST_F(QelRegistryTest, SubKeyNameLongerThanReportedGrowsTheBuffer) {
    std::string name(700, 'n');
    fake.makeKey("L\\Item\\" + name);
    fake.makeKey("L\\Item\\short");
    for (long long reported : {0LL, 1LL, 0xFFFFFFFFLL}) {
        fake.misreportLongestSubKey(reported);
        QelRegistry registry;
        ASSERT_TRUE(registry.openPath("L\\Item"));
        EXPECT_EQ(registry.subKeyNames(), (std::vector<std::string>{name, "short"})) << reported;
    }
    QelRegistry registry;
    ASSERT_TRUE(registry.openPath("L"));
    EXPECT_TRUE(registry.deleteKey("Item"));
}
