#pragma once
#include "fakes/FakeDragDrop.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeHotKeyApi.h"
#include "fakes/FakeHotKeySystem.h"
#include "fakes/FakeMonitors.h"
#include "fakes/FakeMutex.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/HeadlessTestBackend.h"
#include "platform/Seam.h"
#include "toolkit/ScopedBackend.h"

// Every part of the operating system the program touches, faked and put in
// place for the lifetime of the object: what a whole-program test runs on.
struct FakeSystem {
    FakeRegistry registry;
    FakeHotKeySystem desktop;
    FakeHotKeyApi hotKeys{desktop};
    FakeShell shell;
    FakeMonitors monitors;
    FakeDragDrop dragDrop;
    FakeFileDialog files;
    FakeProcess process;
    FakeMutex mutexes;
    HeadlessTestBackend gui;

    platform::Seam<platform::RegistryApi>::Scoped registryScope{registry};
    platform::Seam<platform::HotKeyApi>::Scoped hotKeyScope{hotKeys};
    platform::Seam<platform::ShellApi>::Scoped shellScope{shell};
    platform::Seam<platform::MonitorApi>::Scoped monitorScope{monitors};
    platform::Seam<platform::DragDropApi>::Scoped dragDropScope{dragDrop};
    platform::Seam<platform::FileDialogApi>::Scoped filesScope{files};
    platform::Seam<platform::ProcessApi>::Scoped processScope{process};
    platform::Seam<platform::MutexApi>::Scoped mutexScope{mutexes};
    tk::ScopedBackend guiScope{gui};
};
