#pragma once

namespace platform {

// Ending the process: the one call the program makes about its own process.
class ProcessApi {
public:
    virtual ~ProcessApi() = default;
    virtual void ExitProcess(unsigned exitCode) = 0;
};

ProcessApi& processApi();
ProcessApi* installProcessApi(ProcessApi* api);
ProcessApi& defaultProcessApi();

} // namespace platform
