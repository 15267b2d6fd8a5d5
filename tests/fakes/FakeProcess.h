#pragma once
#include "platform/ProcessApi.h"

#include <optional>

// Remembers the exit code instead of ending the test process.
class FakeProcess : public platform::ProcessApi {
public:
    void ExitProcess(unsigned exitCode) override { exitCode_ = exitCode; }
    std::optional<unsigned> exitCode() const { return exitCode_; }

private:
    std::optional<unsigned> exitCode_;
};
