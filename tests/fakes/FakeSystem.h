#pragma once
#include "fakes/FakeHotKeyApi.h"
#include "fakes/FakeHotKeySystem.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/HeadlessTestBackend.h"
#include "fakes/ScopedHotKeyApi.h"
#include "fakes/ScopedProcessApi.h"
#include "fakes/ScopedRegistryApi.h"
#include "fakes/ScopedShellApi.h"
#include "toolkit/ScopedBackend.h"

// Every part of the operating system the program touches, faked and put in
// place for the lifetime of the object: what a whole-program test runs on.
struct FakeSystem {
    FakeRegistry registry;
    FakeHotKeySystem desktop;
    FakeHotKeyApi hotKeys{desktop};
    FakeShell shell;
    FakeProcess process;
    HeadlessTestBackend gui;

    ScopedRegistryApi registryScope{registry};
    ScopedHotKeyApi hotKeyScope{hotKeys};
    ScopedShellApi shellScope{shell};
    ScopedProcessApi processScope{process};
    tk::ScopedBackend guiScope{gui};
};
