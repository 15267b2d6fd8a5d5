#pragma once
#include "platform/Seam.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// One implementation a contract suite runs against, made afresh for each
// test: a fake, or the system's own. `Subject` is what the suite drives, a
// seam or a richer stand-in for the system that holds one.
template <class Subject> struct ContractBackend {
    std::string name;
    std::function<std::shared_ptr<Subject>()> make;
};

template <class Subject> void PrintTo(const ContractBackend<Subject>& backend, std::ostream* out) {
    *out << backend.name;
}

// Names each instantiation of a suite after its backend.
inline constexpr auto backendName = [](const auto& info) { return info.param.name; };

// The fake `Fake` of a seam or subject, made afresh for each test.
template <class Subject, class Fake>
ContractBackend<Subject> fakeBackend(const std::string& name = "Fake") {
    return {name, [] { return std::make_shared<Fake>(); }};
}

// The system's own implementation of a seam. It is process-wide: the
// suite's pointer must not delete it.
template <class Api> ContractBackend<Api> systemBackend() {
    return {"Real",
            [] { return std::shared_ptr<Api>(&platform::Seam<Api>::system(), [](Api*) {}); }};
}

template <class Api> ContractBackend<Api> realBackend(const ContractBackend<Api>&) {
    return systemBackend<Api>();
}

// The fakes everywhere, and the real implementation besides where the build
// has one: for a seam the system's own; a subject that is more than a seam
// declares its own realBackend overload beside it, for the Windows build's
// tests to define.
template <class Backend> std::vector<Backend> fakeAndReal(std::initializer_list<Backend> fakes) {
    std::vector<Backend> backends(fakes);
#ifdef _WIN32
    backends.push_back(realBackend(backends.front()));
#endif
    return backends;
}
