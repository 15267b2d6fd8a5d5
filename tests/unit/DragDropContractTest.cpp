#include "fakes/DragDropBackends.h"
#include "fakes/FakeDragDrop.h"

#include <gtest/gtest.h>

// What the file-drop edit relies on of DragQueryFileA, run against the fake
// and, in the Windows build, against the real function on a drop block
// built as the shell builds one.
namespace {

using platform::kDragQueryFileCount;

class DragDropContract : public ::testing::TestWithParam<DragDropBackend> {
protected:
    void SetUp() override { api = GetParam().make(); }
    void TearDown() override {
        if (drop)
            api->DragFinish(drop);
    }
    platform::Handle dropOf(const std::vector<std::string>& names) {
        drop = GetParam().drop(*api, names);
        return drop;
    }

    std::shared_ptr<platform::DragDropApi> api;
    platform::Handle drop = 0;
};

} // namespace

TEST_P(DragDropContract, CountLengthsAndNamesComeBackAsDropped) {
    std::vector<std::string> names = {"C:\\a.txt", "C:\\Program Files\\b c.exe", "D:\\"};
    platform::Handle handle = dropOf(names);
    ASSERT_EQ(api->DragQueryFileA(handle, kDragQueryFileCount, nullptr, 0), 3u);
    for (unsigned i = 0; i < names.size(); ++i) {
        unsigned length = api->DragQueryFileA(handle, i, nullptr, 0);
        EXPECT_EQ(length, names[i].size());
        std::vector<char> buffer(length + 11, 'x');
        EXPECT_EQ(api->DragQueryFileA(handle, i, buffer.data(), length + 10), length);
        EXPECT_EQ(std::string(buffer.data()), names[i]);
    }
}

TEST_P(DragDropContract, SmallBufferGetsTheNameCutAndTerminated) {
    platform::Handle handle = dropOf({"C:\\long.txt"});
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(api->DragQueryFileA(handle, 0, buffer, 4), 3u);
    EXPECT_STREQ(buffer, "C:\\");
}

// Wine counts one empty name where the block holds none.
TEST_P(DragDropContract, DropWithoutNamesReportsNoCharacters) {
    platform::Handle handle = dropOf({});
    unsigned count = api->DragQueryFileA(handle, kDragQueryFileCount, nullptr, 0);
    EXPECT_LE(count, 1u);
    for (unsigned i = 0; i < count; ++i)
        EXPECT_EQ(api->DragQueryFileA(handle, i, nullptr, 0), 0u);
}

TEST_P(DragDropContract, IndexPastTheLastNameGivesNothing) {
    platform::Handle handle = dropOf({"C:\\a.txt"});
    EXPECT_EQ(api->DragQueryFileA(handle, 1, nullptr, 0), 0u);
}

namespace {

DragDropBackend fakeDragDrop() {
    return {fakeBackend<platform::DragDropApi, FakeDragDrop>(),
            [](platform::DragDropApi& api, const std::vector<std::string>& names) {
                return dynamic_cast<FakeDragDrop&>(api).makeDrop(names);
            }};
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Backends, DragDropContract,
                         ::testing::ValuesIn(fakeAndReal({fakeDragDrop()})), backendName);
