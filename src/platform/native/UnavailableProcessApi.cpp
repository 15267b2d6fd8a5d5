#include "platform/ProcessApi.h"

#include <cstdlib>

namespace platform {

namespace {

// Natively nothing may end the test process behind the test's back: a test
// that reaches this without a fake in place fails loudly instead.
class UnavailableProcessApi final : public ProcessApi {
public:
    void ExitProcess(unsigned) override { std::abort(); }
};

} // namespace

ProcessApi& defaultProcessApi() {
    static UnavailableProcessApi api;
    return api;
}

} // namespace platform
