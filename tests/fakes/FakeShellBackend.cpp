#include "fakes/FakeShell.h"
#include "fakes/ShellBackends.h"

ShellBackend fakeShellBackend() {
    return {"Fake", [] { return std::make_shared<FakeShell>(); }};
}
