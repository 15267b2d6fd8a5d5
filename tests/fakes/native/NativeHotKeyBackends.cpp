#include "fakes/HotKeyBackends.h"

HotKeyBackend fakeHotKeyBackend();

std::vector<HotKeyBackend> hotKeyBackends() {
    return {fakeHotKeyBackend()};
}
