#include "model/HotKeyList.h"
#include "model/EListError.h"

#include <gtest/gtest.h>

namespace {

HotKey* launch(char letter, const std::string& command, bool ctrl = false) {
    auto* key = new HotKey();
    key->setKeyLetter(letter);
    key->setCtrl(ctrl);
    key->setCommand(command);
    return key;
}

HotKey* popup(char letter) {
    auto* key = new HotKey();
    key->setKeyLetter(letter);
    key->setPopup();
    return key;
}

HotKey* empty(char letter) {
    auto* key = new HotKey();
    key->setKeyLetter(letter);
    return key;
}

std::string letters(const HotKeyList& list) {
    std::string text;
    for (int i = 0; i < list.count(); ++i)
        text += list.at(i)->keyLetter();
    return text;
}

} // namespace

TEST(HotKeyList, EmptyListFindsNothing) {
    HotKeyList list;
    EXPECT_EQ(list.find('A', false, false, false), nullptr);
    EXPECT_EQ(list.indexOf('A', false, false, false), -1);
    EXPECT_EQ(list.indexOf(nullptr), -1);
    EXPECT_EQ(list.find(nullptr), nullptr);
    EXPECT_THROW(list.at(0), EListError);
}

TEST(HotKeyList, ModifiersAndCaseArePartOfTheIdentity) {
    HotKeyList list;
    list.addOrReplace(launch('A', "x"));
    list.addOrReplace(launch('A', "y", true));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.find('A', false, false, false)->command(), "x");
    EXPECT_EQ(list.find('A', true, false, false)->command(), "y");
    EXPECT_EQ(list.find('a', false, false, false), nullptr);
    EXPECT_EQ(list.find('A', false, true, false), nullptr);
}

TEST(HotKeyList, ReplacingMovesTheCombinationToTheEnd) {
    HotKeyList list;
    list.addOrReplace(launch('A', "first"));
    list.addOrReplace(launch('B', "b"));
    list.addOrReplace(popup('A'));
    EXPECT_EQ(letters(list), "BA");
    EXPECT_TRUE(list.at(1)->isPopup());
    EXPECT_EQ(list.count(), 2);
}

TEST(HotKeyList, EmptyDefinitionRemovesItsCombination) {
    HotKeyList list;
    list.addOrReplace(launch('C', "c"));
    list.addOrReplace(launch('D', "d"));
    list.addOrReplace(empty('C'));
    EXPECT_EQ(letters(list), "D");
    list.addOrReplace(empty('Q'));
    EXPECT_EQ(letters(list), "D");
    list.addOrReplace(nullptr);
    EXPECT_EQ(list.count(), 1);
}

TEST(HotKeyList, PopupAndBindWithEmptyStringsAreKept) {
    HotKeyList list;
    list.addOrReplace(popup('P'));
    auto* bind = new HotKey();
    bind->setKeyLetter('R');
    bind->setBind(0);
    list.addOrReplace(bind);
    EXPECT_EQ(letters(list), "PR");
}

TEST(HotKeyList, CopyDropsEmptiesAndKeepsTheLastOfEachCombination) {
    HotKeyList source;
    source.createItem();
    source.at(0)->setKeyLetter('A');
    source.at(0)->setCommand("x");
    source.createItem();
    source.at(1)->setKeyLetter('A');
    source.at(1)->setCommand("y");
    source.createItem();
    source.at(2)->setKeyLetter('B');
    HotKeyList copy(&source);
    ASSERT_EQ(copy.count(), 1);
    EXPECT_EQ(copy.at(0)->command(), "y");
    EXPECT_NE(copy.at(0), source.at(1));

    HotKeyList fromNull(nullptr);
    EXPECT_EQ(fromNull.count(), 0);
}

TEST(HotKeyList, ItemAtAnswersNullPastTheEndAndRaisesBelowZero) {
    HotKeyList list;
    list.addOrReplace(launch('A', "x"));
    EXPECT_NE(list.itemAt(0), nullptr);
    EXPECT_EQ(list.itemAt(1), nullptr);
    EXPECT_THROW(list.itemAt(-1), EListError);
    EXPECT_THROW(list.at(1), EListError);
    EXPECT_THROW(list.at(-1), EListError);
}

TEST(HotKeyList, CreateItemAppendsADefaultRecord) {
    HotKeyList list;
    EXPECT_EQ(list.createItem(), 0);
    EXPECT_EQ(list.createItem(), 1);
    EXPECT_TRUE(list.at(1)->isEmptyDefinition());
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

// Loaded after the stored items, any item of a combination settles it, an
// empty one by taking it away: only combinations the list lacks are
// cancelled, each once, and an empty stored item needs nothing.
TEST(HotKeyList, CancellationsCoverWhatTheListHasNoItemOf) {
    HotKeyList list;
    list.at(list.createItem())->setKeyLetter('A'); // as loaded: an empty item
    ItemKind::Items stored;
    for (HotKey* key : {launch('A', "a"), launch('B', "b"), popup('B'), empty('C'), popup('a')})
        stored.emplace_back(key);
    ItemKind::Items cancellations = list.cancellations(stored);
    ASSERT_EQ(cancellations.size(), 2u);
    EXPECT_EQ(static_cast<HotKey&>(*cancellations[0]).keyLetter(), 'B');
    EXPECT_EQ(static_cast<HotKey&>(*cancellations[1]).keyLetter(), 'a');
    EXPECT_TRUE(static_cast<HotKey&>(*cancellations[1]).isEmptyDefinition());
}
