#include "ToolkitWin32Fixture.h"

#include "ui/TLmrDefForm.h"

// A held Enter walks a row to OK, as a press does, and stops there: had a
// repeat pressed OK, the window would save and hide under the user's finger.
TEST_F(ToolkitWin32Test, HeldEnterOrSpaceInTheDefinitionWindowNeverPressesOk) {
    auto& form = app.createForm<TLmrDefForm>();
    int pressed = 0;
    form.OkButton.onClick = [&] { ++pressed; };
    form.show();
    form.editOf('C')->setFocus();
    hold(VK_RETURN, 30);
    EXPECT_EQ(GetFocus(), hwndOf(form.OkButton.handle()));
    hold(VK_SPACE, 0);
    EXPECT_EQ(pressed, 1) << "the first press of Space";
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x40000001);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 0x40000001);
    app.processMessages();
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(IsWindowVisible(hwndOf(form.handle())));
}
