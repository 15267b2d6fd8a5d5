#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>

#include <memory>

// A control made after its parent already has a window gets one of its own
// as soon as anything above it asks for a window: a form may build rows
// after its first window exists.
TEST(ToolkitLateChild, GetsItsWindowWhenAnAncestorIsAskedForOne) {
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Form& form = tk::Application::instance().createForm<tk::Form>("LateForm");
    tk::Panel row("Row", form);
    form.handle();
    ASSERT_TRUE(row.handleAllocated());

    auto late = std::make_unique<tk::Button>("Late", row);
    auto later = std::make_unique<tk::Panel>("Later", form);
    tk::Button inner("Inner", *later);
    EXPECT_FALSE(late->handleAllocated());
    form.show();
    EXPECT_TRUE(late->handleAllocated());
    EXPECT_TRUE(inner.handleAllocated());
    ASSERT_NE(backend.window(late->handle()), nullptr);
    EXPECT_TRUE(backend.window(late->handle())->visible());

    // Asking the late control itself works as well.
    tk::Button direct("Direct", row);
    EXPECT_NE(backend.window(direct.handle()), nullptr);
}
