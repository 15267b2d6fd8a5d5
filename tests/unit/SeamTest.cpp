#include "fakes/FakeProcess.h"
#include "platform/ProcessApi.h"

#include <gtest/gtest.h>

// How every seam is replaced for a test and put back, shown on one of them.
namespace {

using platform::ProcessApi;
using platform::Seam;

TEST(Seam, ScopedReplacementsNestAndPutBackWhatWasThere) {
    FakeProcess outer, inner;
    {
        Seam<ProcessApi>::Scoped outerScope{outer};
        {
            Seam<ProcessApi>::Scoped innerScope{inner};
            EXPECT_EQ(&platform::processApi(), &inner);
        }
        EXPECT_EQ(&platform::processApi(), &outer);
    }
    EXPECT_EQ(Seam<ProcessApi>::install(nullptr), nullptr);
}

// Natively there is no system behind a seam: a test that forgot its fake
// must not carry on as if the system had refused.
TEST(Seam, WithNothingInstalledTheSystemsOwnServesOrTheRunStops) {
#ifdef _WIN32
    EXPECT_EQ(&platform::processApi(), &Seam<ProcessApi>::system());
#else
    EXPECT_DEATH(platform::processApi(), "platform::ProcessApi reached with nothing installed");
#endif
}

} // namespace
