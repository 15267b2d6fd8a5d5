#include "LayoutCheck.h"
#include "ToolkitWin32Fixture.h"

#include "ui/TLmrAboutBoxForm.h"

using layout::Fit;

TEST_F(ToolkitWin32Test, AboutBoxIsLaidOutAndEveryCaptionPainted) {
    auto& form = app.createForm<TLmrAboutBoxForm>();
    form.show();
    layout::expectLaidOut(form,
                          {
                              {"Panel1", "LmrAboutBoxForm", {8, 8, 297, 105}},
                              {"ProgramIcon", "Panel1", {32, 16, 32, 32}},
                              {"ProductName", "Panel1", {104, 16, 0, 12}, Fit::LeftEdge, true},
                              {"Version", "Panel1", {120, 32, 0, 12}, Fit::LeftEdge, true},
                              {"Copyright", "Panel1", {32, 64, 238, 12}, Fit::Box, true},
                              {"Comments", "Panel1", {2, 79, 293, 24}, Fit::Box, true},
                              {"OKButton", "LmrAboutBoxForm", {119, 124, 75, 25}, Fit::Box, true},
                          });
    RECT client;
    GetClientRect(hwndOf(form.handle()), &client);
    EXPECT_EQ(client.right, layout::scaled(314));
    EXPECT_EQ(client.bottom, layout::scaled(161));
}
