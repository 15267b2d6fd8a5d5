#include "model/HotKey.h"

#include <gtest/gtest.h>

TEST(HotKey, DefaultRecordIsAnEmptyLaunch) {
    HotKey key;
    EXPECT_EQ(key.keyLetter(), '\0');
    EXPECT_FALSE(key.ctrl() || key.alt() || key.shift());
    EXPECT_EQ(key.command(), "");
    EXPECT_EQ(key.directory(), "");
    EXPECT_EQ(key.parameters(), "");
    EXPECT_EQ(key.extra(), 0);
    EXPECT_EQ(key.showCmd(), 5);
    EXPECT_TRUE(key.isLaunch());
    EXPECT_FALSE(key.isPopup());
    EXPECT_FALSE(key.isBind());
    EXPECT_TRUE(key.isEmptyDefinition());
}

TEST(HotKey, SetBindKeepsFiveBitsOfTheIdentifier) {
    struct Case {
        int id, extra, bindId;
    };
    for (Case c : {Case{3, 26, 3}, Case{40, 66, 8}, Case{31, 250, 31}, Case{0, 2, 0}}) {
        HotKey key;
        key.setBind(c.id);
        EXPECT_EQ(key.extra(), c.extra) << c.id;
        EXPECT_EQ(key.bindId(), c.bindId) << c.id;
        EXPECT_TRUE(key.isBind());
        EXPECT_FALSE(key.isEmptyDefinition());
    }
}

TEST(HotKey, ActionKindFollowsTheLowThreeBits) {
    HotKey key;
    key.setPopup();
    EXPECT_EQ(key.extra(), 1);
    EXPECT_FALSE(key.isLaunch());
    EXPECT_TRUE(key.isPopup());
    EXPECT_FALSE(key.isEmptyDefinition());

    key.setExtra(8); // possible only from a stored record
    EXPECT_FALSE(key.isLaunch() || key.isPopup() || key.isBind());
    EXPECT_EQ(key.bindId(), 1);

    key.setExtra(-6);
    EXPECT_TRUE(key.isBind());
    EXPECT_EQ(key.bindId(), 31);
    EXPECT_EQ(HotKey::bindIdOfExtra(-6), 31);
    EXPECT_TRUE(HotKey::isPopupExtra(9));
    EXPECT_FALSE(HotKey::isLaunchExtra(8));
}

TEST(HotKey, SetKeyLetterMakesAOneCharacterKey) {
    HotKey key;
    key.setKeyLetter('Q');
    EXPECT_EQ(key.key(), "Q");
    EXPECT_EQ(key.keyLetter(), 'Q');
    key.setKeyLetter('\0');
    EXPECT_EQ(key.key(), "");
    EXPECT_EQ(key.keyLetter(), '\0');
}

TEST(HotKey, CopyAndAssignmentCopyEveryField) {
    HotKey source;
    source.setKeyLetter('K');
    source.setCtrl(true);
    source.setShift(true);
    source.setCommand("c:\\x y\\z.exe");
    source.setDirectory("c:\\x y");
    source.setParameters("\"a b\" c");
    source.setExtra(0);
    source.setShowCmd(3);

    HotKey copy(&source);
    HotKey assigned;
    assigned.setAlt(true);
    assigned = source;
    for (const HotKey* k : {&copy, &assigned}) {
        EXPECT_EQ(k->key(), "K");
        EXPECT_TRUE(k->ctrl());
        EXPECT_FALSE(k->alt());
        EXPECT_TRUE(k->shift());
        EXPECT_EQ(k->command(), "c:\\x y\\z.exe");
        EXPECT_EQ(k->directory(), "c:\\x y");
        EXPECT_EQ(k->parameters(), "\"a b\" c");
        EXPECT_EQ(k->showCmd(), 3);
    }

    HotKey fromNull(nullptr);
    EXPECT_TRUE(fromNull.isEmptyDefinition());
    EXPECT_EQ(fromNull.showCmd(), 5);

    HotKey& self = assigned;
    assigned = self;
    EXPECT_EQ(assigned.command(), "c:\\x y\\z.exe");
}

TEST(HotKey, ClearRestoresEveryDefault) {
    HotKey key;
    key.setKeyLetter('Z');
    key.setCtrl(true);
    key.setAlt(true);
    key.setShift(true);
    key.setCommand("a");
    key.setDirectory("b");
    key.setParameters("c");
    key.setBind(7);
    key.setShowCmd(6);
    key.clear();
    EXPECT_EQ(key.key(), "");
    EXPECT_FALSE(key.ctrl() || key.alt() || key.shift());
    EXPECT_TRUE(key.isEmptyDefinition());
    EXPECT_EQ(key.showCmd(), 5);
}
