#include "components/TQelEdit.h"
#include "fakes/FakeDragDrop.h"
#include "fakes/HeadlessTestBackend.h"
#include "fakes/ScopedDragDropApi.h"
#include "toolkit/Form.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Call = FakeDragDrop::Call;

} // namespace

void PrintTo(const Call& call, std::ostream* out) {
    *out << call.function << "(" << call.handle << ", " << call.file << ", "
         << (call.buffer ? "buffer" : "null") << ", " << call.size << ")";
}

namespace {

class TQelEditTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    FakeDragDrop shell;
    ScopedDragDropApi shellScope{shell};
    tk::Form form{"Form"};
    TQelEdit edit{"KeyEditA", form};
    std::vector<std::string> log;

    void accepting() {
        edit.setDropAccept(true);
        shell.clearCalls();
    }

    void recordEvents() {
        edit.OnCreate = [this](TQelEdit& sender) {
            log.push_back(sender.name() + " created, " +
                          (shell.accepts(sender.handle()) ? "accepting" : "not accepting"));
        };
        edit.OnDropFiles = [this](TQelEdit& sender, const TQelEdit::StringList& flist) {
            std::string names;
            for (const std::string& name : flist)
                names += "[" + name + "]";
            log.push_back(sender.name() + " got " + names);
        };
    }
    // A drop on the window made for a layout that accepts drops.
    platform::Handle drop(std::vector<std::string> names) {
        platform::Handle handle = shell.makeDrop(std::move(names));
        edit.dispatch(platform::kWmDropFiles, handle);
        return handle;
    }
};

} // namespace

TEST_F(TQelEditTest, WithoutDropAcceptTheWindowIsNotRegistered) {
    EXPECT_FALSE(edit.DropAccept());
    platform::Handle window = edit.handle();
    EXPECT_FALSE(shell.accepts(window));
    EXPECT_EQ(shell.calls(), (std::vector<Call>{{"DragAcceptFiles(false)", window}}));
}

TEST_F(TQelEditTest, SettingDropAcceptMakesTheWindowAndRegistersItAtOnce) {
    recordEvents();
    edit.setDropAccept(true);
    ASSERT_TRUE(edit.handleAllocated());
    platform::Handle window = edit.handle();
    EXPECT_TRUE(shell.accepts(window));
    EXPECT_EQ(log, (std::vector<std::string>{"KeyEditA created, accepting"}))
        << "the value is stored before the window is made";
    EXPECT_EQ(shell.calls(), (std::vector<Call>{{"DragAcceptFiles(true)", window},
                                                {"DragAcceptFiles(true)", window}}));
}

TEST_F(TQelEditTest, DropAcceptFollowsEveryAssignmentAtRunTime) {
    edit.setDropAccept(true);
    edit.setDropAccept(false);
    EXPECT_FALSE(shell.accepts(edit.handle()));
    edit.setDropAccept(true);
    EXPECT_TRUE(shell.accepts(edit.handle()));
}

TEST_F(TQelEditTest, AWindowMadeAgainIsRegisteredAgainBeforeOnCreate) {
    edit.setDropAccept(true);
    platform::Handle first = edit.handle();
    recordEvents();
    form.recreateWindow();
    platform::Handle second = edit.handle();
    EXPECT_NE(second, first);
    EXPECT_TRUE(shell.accepts(second));
    EXPECT_EQ(log, (std::vector<std::string>{"KeyEditA created, accepting"}));
}

TEST_F(TQelEditTest, DropOfThreeFilesQueriesAsTheShellExpectsAndRaisesOneEvent) {
    accepting();
    recordEvents();
    std::vector<std::string> names = {"C:\\a.txt", "C:\\Program Files\\b c.exe", "D:\\"};
    platform::Handle handle = drop(names);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "KeyEditA got [C:\\a.txt][C:\\Program Files\\b c.exe][D:\\]"}));
    EXPECT_EQ(shell.calls(), (std::vector<Call>{{"DragQueryFileA", handle, 0xFFFFFFFF, false, 0},
                                                {"DragQueryFileA", handle, 0, false, 0},
                                                {"DragQueryFileA", handle, 0, true, 4 * 8 + 10},
                                                {"DragQueryFileA", handle, 1, false, 0},
                                                {"DragQueryFileA", handle, 1, true, 4 * 24 + 10},
                                                {"DragQueryFileA", handle, 2, false, 0},
                                                {"DragQueryFileA", handle, 2, true, 4 * 3 + 10},
                                                {"DragFinish", handle}}));
    EXPECT_FALSE(shell.isLive(handle));
}

TEST_F(TQelEditTest, NamesWhoseLengthIsCountedInCharactersArriveWhole) {
    accepting();
    recordEvents();
    shell.countLengthInCharacters();
    std::string cjk = "\xE6\xBC\xA2\xE5\xAD\x97", emoji = "\xF0\x9F\x98\x80";
    std::string name = "C:\\" + cjk + cjk + cjk + cjk + "\\" + emoji + "\xE2\x82\xAC.exe";
    drop({name});
    EXPECT_EQ(log, (std::vector<std::string>{"KeyEditA got [" + name + "]"}));
}

TEST_F(TQelEditTest, DropWithoutNamesRaisesNothingAndStillReleasesTheHandle) {
    accepting();
    recordEvents();
    platform::Handle none = drop({});
    EXPECT_EQ(shell.calls().back(), (Call{"DragFinish", none}));
    drop({""});
    EXPECT_TRUE(log.empty()) << "an empty name, as Wine reports for no names, is no file";
    drop({"", "C:\\x"});
    EXPECT_EQ(log, (std::vector<std::string>{"KeyEditA got [C:\\x]"}));
    EXPECT_EQ(shell.liveDrops(), 0u);
}

TEST_F(TQelEditTest, DropWithoutAHandlerCollectsTheNamesAndReleasesTheHandle) {
    accepting();
    platform::Handle handle = drop({"x", "y"});
    EXPECT_EQ(shell.calls().size(), 6u);
    EXPECT_FALSE(shell.isLive(handle));
}

TEST_F(TQelEditTest, FailingHandlerIsShownAndTheHandleIsStillReleased) {
    edit.OnDropFiles = [](TQelEdit&, const TQelEdit::StringList&) {
        throw std::runtime_error("handler failed");
    };
    platform::Handle handle = drop({"x"});
    EXPECT_FALSE(shell.isLive(handle));
    ASSERT_EQ(backend.errorBoxes().size(), 1u);
    EXPECT_EQ(backend.errorBoxes()[0].text, "handler failed");
}

TEST_F(TQelEditTest, NamesEndAtTheirTerminatorWhateverLengthTheShellReports) {
    accepting();
    recordEvents();
    shell.setLengthOverstatement(5);
    drop({"C:\\name.txt"});
    EXPECT_EQ(log, (std::vector<std::string>{"KeyEditA got [C:\\name.txt]"}));
}

TEST_F(TQelEditTest, KeepsTheBehaviourOfTheEdit) {
    edit.setText("abc");
    edit.onKeyPress = [](char32_t& key) {
        if (key == U'z')
            key = 0;
    };
    edit.typeChar(U'z');
    edit.typeChar(U'd');
    EXPECT_EQ(edit.text(), "abcd");
}
