#include "fakes/FakeMonitors.h"
#include "toolkit/ScreenPlacement.h"

#include <gtest/gtest.h>

using platform::MonitorInfo;
using platform::ScreenRect;
using tk::ScreenPlacement;

namespace {

// A laptop (primary, taskbar at the bottom) and, left of it and lower, a
// larger monitor whose taskbar is on its left edge.
class ScreenPlacementTest : public ::testing::Test {
protected:
    ScreenPlacementTest() {
        monitors.setMonitors({
            {sizeof(MonitorInfo), {0, 0, 1366, 768}, {0, 0, 1366, 728}, 0},
            {sizeof(MonitorInfo), {-1920, 200, 0, 1280}, {-1858, 200, 0, 1280}, 0},
        });
    }

    static constexpr ScreenRect kLaptopWork{0, 0, 1366, 728};
    static constexpr ScreenRect kLeftWork{-1858, 200, 0, 1280};
    FakeMonitors monitors;
    platform::Seam<platform::MonitorApi>::Scoped scope{monitors};
};

} // namespace

TEST_F(ScreenPlacementTest, CentredIsInTheWorkAreaOfThePointersMonitor) {
    monitors.setCursorPos(-10, 1270);
    EXPECT_EQ(ScreenPlacement::workAreaFor(0), kLeftWork);
    EXPECT_EQ(ScreenPlacement::centred(kLeftWork, 600, 400), (ScreenRect{-1229, 540, -629, 940}));
    monitors.setCursorPos(700, 10);
    EXPECT_EQ(ScreenPlacement::workAreaFor(0), kLaptopWork);
    EXPECT_EQ(ScreenPlacement::centred(kLaptopWork, 600, 400), (ScreenRect{383, 164, 983, 564}));
    monitors.setCursorPos(-5000, 5000);
    EXPECT_EQ(ScreenPlacement::workAreaFor(0), kLeftWork) << "off every monitor: the nearest";
}

TEST_F(ScreenPlacementTest, AWindowsOwnMonitorWinsOverThePointers) {
    monitors.setCursorPos(700, 10);
    platform::Handle owner = monitors.addWindow({-1500, 300, -700, 900});
    EXPECT_EQ(ScreenPlacement::workAreaFor(owner), kLeftWork);
    platform::Handle straddling = monitors.addWindow({-100, 100, 500, 500});
    EXPECT_EQ(ScreenPlacement::workAreaFor(straddling), kLaptopWork) << "where most of it lies";
}

TEST_F(ScreenPlacementTest, NoWindowOpensPartlyOutsideAWorkArea) {
    EXPECT_EQ(ScreenPlacement::keptInside(kLeftWork, {-1920, 100, -1320, 500}),
              (ScreenRect{-1858, 200, -1258, 600}))
        << "off the top and under the taskbar on the left";
    EXPECT_EQ(ScreenPlacement::keptInside(kLaptopWork, {1000, 600, 1600, 1000}),
              (ScreenRect{766, 328, 1366, 728}));
    EXPECT_EQ(ScreenPlacement::keptInside(kLaptopWork, {10, 20, 310, 220}),
              (ScreenRect{10, 20, 310, 220}));
    EXPECT_EQ(ScreenPlacement::centred(kLaptopWork, 1400, 800), (ScreenRect{0, 0, 1400, 800}))
        << "larger than the area: its top left edge shows, with the caption";
    EXPECT_EQ(ScreenPlacement::keptInside({}, {-50, -50, 50, 50}), (ScreenRect{-50, -50, 50, 50}))
        << "no monitor answered";
}
