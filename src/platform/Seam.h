#pragma once
#include <typeinfo>
#include <utility>

namespace platform {

// The tag a seam's header declares its system implementation with:
//     Api& systemInstance(SystemOf<Api>);
// The Windows build's forwarder defines it; the native build has none.
template <class Api> struct SystemOf {};

// Ends the run, naming the seam: natively nothing may fall through to a
// system that is not there.
[[noreturn]] void nothingInstalled(const std::type_info& api);

// How the program reaches one part of the operating system: through the
// instance a test installed, else through the system's own. The native
// build has no system, so there a test that reaches a seam without a fake
// in place is stopped at once instead of running on made-up failures.
template <class Api> class Seam {
public:
    static Api& get() { return installed_ ? *installed_ : system(); }

    static Api& system() {
#ifdef _WIN32
        return systemInstance(SystemOf<Api>{});
#else
        nothingInstalled(typeid(Api));
#endif
    }

    // Gives the instance installed before; null puts the system's back.
    static Api* install(Api* api) {
        return std::exchange(installed_, api);
    }

    // Installs an instance for its own lifetime, then puts back whatever
    // was there before: what a test holds while it runs on a fake.
    class Scoped {
    public:
        explicit Scoped(Api& api) : previous_(install(&api)) {}
        ~Scoped() { install(previous_); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        Api* previous_;
    };

private:
    static inline Api* installed_ = nullptr;
};

} // namespace platform
