#pragma once
#include "fakes/FakeHotKeySystem.h"
#include "platform/HotKeyApi.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

// One call as the fake saw it; the fields a function does not take stay 0.
struct HotKeyCall {
    std::string function;
    platform::Handle hwnd = 0;
    int id = 0;
    unsigned modifiers = 0;
    unsigned vk = 0;
    std::string name;
    std::uint16_t atom = 0;

    bool operator==(const HotKeyCall&) const = default;
};
std::ostream& operator<<(std::ostream& out, const HotKeyCall& call);

// One process's view of a FakeHotKeySystem: the calls go to the shared
// system, are logged in order, and any function can be made to fail.
class FakeHotKeyApi : public platform::HotKeyApi {
public:
    explicit FakeHotKeyApi(FakeHotKeySystem& system);
    ~FakeHotKeyApi() override;
    FakeHotKeyApi(const FakeHotKeyApi&) = delete;
    FakeHotKeyApi& operator=(const FakeHotKeyApi&) = delete;

    bool RegisterHotKey(platform::Handle hwnd, int id, unsigned modifiers, unsigned vk) override;
    bool UnregisterHotKey(platform::Handle hwnd, int id) override;
    std::uint16_t GlobalAddAtomA(const char* name) override;
    std::uint16_t GlobalDeleteAtom(std::uint16_t atom) override;
    platform::Dword GetLastError() override { return lastError_; }

    // Failures on demand: the named function fails with `error` and changes
    // nothing while set; the call numbered `n` (1-based, since the last
    // clearCalls) fails once.
    void failFunction(const std::string& function, platform::Dword error = 5);
    void failCall(size_t n, platform::Dword error = 5);
    // The call numbered `n` raises std::bad_alloc, as when memory runs out.
    void throwAtCall(size_t n) { throwAt_ = n; }
    void stopFailing();

    const std::vector<HotKeyCall>& calls() const { return calls_; }
    std::vector<HotKeyCall> callsOf(const std::string& function) const;
    void clearCalls();
    int process() const { return process_; }

private:
    bool failing(HotKeyCall call);

    FakeHotKeySystem& system_;
    int process_;
    platform::Dword lastError_ = 0;
    std::vector<HotKeyCall> calls_;
    std::map<std::string, platform::Dword> failingFunctions_;
    size_t failAt_ = 0;
    size_t throwAt_ = 0;
    platform::Dword failAtError_ = 0;
};
