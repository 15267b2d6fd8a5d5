#include "model/QelRegistry.h"
#include "fakes/FakeRegistry.h"
#include "fakes/ScopedRegistryApi.h"
#include "model/ERegistryException.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class QelRegistryTest : public ::testing::Test {
protected:
    FakeRegistry fake;
    ScopedRegistryApi scope{fake};
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
