#include "ToolkitWin32Fixture.h"

#include "toolkit/AnsiText.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"

namespace {

// Runs in the pass under the Japanese code page too, where some byte
// sequences have no character.
class AnsiTextEditTest : public ToolkitWin32Test {
protected:
    tk::Form form{"Form"};
    tk::Edit edit{"Edit", form};
};

} // namespace

TEST_F(AnsiTextEditTest, UntouchedTextGivesBackItsBytesThroughTheRealWindow) {
    const std::string bytes = "C:\\\x81\x20\x82\xA0\xFF\\x.exe";
    edit.setBounds({0, 0, 200, 20});
    edit.setAnsiText(bytes);
    HWND window = hwndOf(edit.handle());
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"temporary"));
    edit.setAnsiText(bytes);
    EXPECT_EQ(edit.ansiText(), bytes);

    SendMessageW(window, EM_SETSEL, 0, -1);
    SendMessageW(window, WM_CHAR, L'y', 1);
    EXPECT_EQ(edit.text(), "y");
    EXPECT_EQ(edit.ansiText(), "y") << "edited text is converted";
    edit.setAnsiText("C:\\\x93\xFA\x96\x7B");
    EXPECT_EQ(edit.ansiText(), "C:\\\x93\xFA\x96\x7B");
    EXPECT_EQ(edit.text(), tk::ansiToUtf8("C:\\\x93\xFA\x96\x7B"));
}
