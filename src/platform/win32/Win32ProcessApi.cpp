#include "platform/ProcessApi.h"

#include <windows.h>

namespace platform {

namespace {

class Win32ProcessApi final : public ProcessApi {
public:
    void ExitProcess(unsigned exitCode) override { ::ExitProcess(exitCode); }
};

} // namespace

ProcessApi& systemInstance(SystemOf<ProcessApi>) {
    static Win32ProcessApi api;
    return api;
}

} // namespace platform
