#include "fakes/FakeFileDialog.h"
#include "platform/FileDialogApi.h"
#include "toolkit/OpenDialog.h"

#include <gtest/gtest.h>

namespace {

class ToolkitOpenDialogTest : public ::testing::Test {
protected:
    FakeFileDialog files{"C:\\Start"};
    platform::Seam<platform::FileDialogApi>::Scoped scope{files};
    tk::OpenDialog dialog;

    void choose(std::optional<std::string> name) {
        files.setUser([name](const FakeFileDialog::Shown&) { return name; });
    }
};

} // namespace

TEST_F(ToolkitOpenDialogTest, ChoiceIsRememberedForTheNextBrowseAndTheFolderRestored) {
    choose("E:\\Games\\play.exe");
    ASSERT_TRUE(dialog.execute(0x1234));
    EXPECT_EQ(dialog.fileName(), "E:\\Games\\play.exe");
    EXPECT_EQ(files.currentDirectory(), "C:\\Start");
    EXPECT_EQ(files.folderChanges(), 2u) << "moved by the dialog, then back";

    choose(std::nullopt);
    EXPECT_FALSE(dialog.execute(0x1234));
    EXPECT_EQ(dialog.fileName(), "E:\\Games\\play.exe") << "a cancel keeps the choice";
    ASSERT_EQ(files.shown().size(), 2u);
    EXPECT_EQ(files.shown()[1].fileName, "E:\\Games\\play.exe");
    EXPECT_EQ(files.shown()[1].owner, 0x1234u);
    EXPECT_EQ(files.shown()[1].maxFile, tk::OpenDialog::kBufferSize);
}

TEST_F(ToolkitOpenDialogTest, ChoiceTooLongForTheBufferCountsAsNoChoice) {
    choose("C:\\" + std::string(tk::OpenDialog::kBufferSize, 'x'));
    EXPECT_FALSE(dialog.execute(0));
    EXPECT_EQ(dialog.fileName(), "");
    EXPECT_EQ(files.currentDirectory(), "C:\\Start");
}
