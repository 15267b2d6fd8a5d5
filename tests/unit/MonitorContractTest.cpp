#include "fakes/ContractBackend.h"
#include "fakes/FakeMonitors.h"

#include <gtest/gtest.h>

// What the program relies on of the monitor functions, run against the fake
// and, in the Windows build, against the real ones (one monitor under Wine).
namespace {

using namespace platform;

class MonitorContract : public ::testing::TestWithParam<ContractBackend<MonitorApi>> {
protected:
    void SetUp() override { monitors = GetParam().make(); }
    std::shared_ptr<MonitorApi> monitors;
};

bool inside(const ScreenRect& inner, const ScreenRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.left < inner.right && inner.top < inner.bottom;
}

} // namespace

TEST_P(MonitorContract, ThePointersMonitorHasAWorkAreaWithinIt) {
    ScreenPoint pointer;
    ASSERT_TRUE(monitors->GetCursorPos(&pointer));
    Handle monitor = monitors->MonitorFromPoint(pointer, kMonitorDefaultToNull);
    ASSERT_NE(monitor, 0u);
    MonitorInfo info;
    ASSERT_TRUE(monitors->GetMonitorInfoW(monitor, &info));
    EXPECT_TRUE(inside(info.rcWork, info.rcMonitor));
    EXPECT_TRUE(pointer.x >= info.rcMonitor.left && pointer.x < info.rcMonitor.right);
    info.cbSize = 0;
    EXPECT_FALSE(monitors->GetMonitorInfoW(monitor, &info)) << "a structure of unknown size";
}

TEST_P(MonitorContract, APointOffEveryMonitorFindsOneOnlyWhenAskedTo) {
    ScreenPoint far{-100000, -100000};
    EXPECT_EQ(monitors->MonitorFromPoint(far, kMonitorDefaultToNull), 0u);
    Handle primary = monitors->MonitorFromPoint(far, kMonitorDefaultToPrimary);
    MonitorInfo info;
    ASSERT_TRUE(monitors->GetMonitorInfoW(primary, &info));
    EXPECT_EQ(info.dwFlags & kMonitorInfoPrimary, kMonitorInfoPrimary);
    EXPECT_EQ(info.rcMonitor.left, 0) << "the primary monitor is at the origin";
    EXPECT_EQ(info.rcMonitor.top, 0);
    EXPECT_NE(monitors->MonitorFromPoint(far, kMonitorDefaultToNearest), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Backends, MonitorContract,
    ::testing::ValuesIn(fakeAndReal({fakeBackend<MonitorApi, FakeMonitors>()})), backendName);
