#include "fakes/ContractBackend.h"
#include "fakes/FakeShell.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

// What the program relies on of the shell functions that need no display,
// run against the fake and, in the Windows build, against the real ones.
namespace {

using namespace platform;

class ShellContract : public ::testing::TestWithParam<ContractBackend<ShellApi>> {
protected:
    void SetUp() override { shell = GetParam().make(); }
    std::shared_ptr<ShellApi> shell;
};

} // namespace

TEST_P(ShellContract, RegisteredWindowMessagesAreSharedByNameWithoutRegardToCase) {
    std::string name = "LumaroContract_" + std::to_string(std::random_device{}());
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    unsigned message = shell->RegisterWindowMessageA(name.c_str());
    EXPECT_GE(message, 0xC000u);
    EXPECT_LE(message, 0xFFFFu);
    EXPECT_EQ(shell->RegisterWindowMessageA(lower.c_str()), message);
    EXPECT_NE(shell->RegisterWindowMessageA((name + "_other").c_str()), message);
    EXPECT_EQ(shell->RegisterWindowMessageA(""), 0u);
}

TEST_P(ShellContract, NoWindowOfAMissingClassIsFound) {
    EXPECT_EQ(shell->FindWindowA("LumaroNoSuchClass", nullptr), 0u);
    EXPECT_EQ(shell->FindWindowA("LumaroNoSuchClass", "Title"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Backends, ShellContract,
                         ::testing::ValuesIn(fakeAndReal({fakeBackend<ShellApi, FakeShell>()})),
                         backendName);
