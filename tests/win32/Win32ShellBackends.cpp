#include "fakes/ShellBackends.h"

ShellBackend fakeShellBackend();

namespace {

// The real shell is process-wide; the shared pointer must not delete it.
std::shared_ptr<platform::ShellApi> realShell() {
    return std::shared_ptr<platform::ShellApi>(&platform::defaultShellApi(),
                                               [](platform::ShellApi*) {});
}

} // namespace

std::vector<ShellBackend> shellBackends() {
    return {fakeShellBackend(), {"Real", realShell}};
}
