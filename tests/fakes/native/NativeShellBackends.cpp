#include "fakes/ShellBackends.h"

ShellBackend fakeShellBackend();

std::vector<ShellBackend> shellBackends() {
    return {fakeShellBackend()};
}
