#pragma once
#include "platform/Seam.h"

namespace platform {

// Ending the process: the one call the program makes about its own process.
class ProcessApi {
public:
    virtual ~ProcessApi() = default;
    virtual void ExitProcess(unsigned exitCode) = 0;
};

// The real process, defined by the Windows build (see Seam.h).
ProcessApi& systemInstance(SystemOf<ProcessApi>);

// The instance the program uses: the one a test installed, else the system's.
inline ProcessApi& processApi() {
    return Seam<ProcessApi>::get();
}

} // namespace platform
