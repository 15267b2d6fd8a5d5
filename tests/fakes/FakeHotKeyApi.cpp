#include "fakes/FakeHotKeyApi.h"

#include <new>

using namespace platform;

std::ostream& operator<<(std::ostream& out, const HotKeyCall& call) {
    out << call.function << "(";
    if (call.function == "GlobalAddAtomA")
        return out << '"' << call.name << "\")";
    if (call.function == "GlobalDeleteAtom")
        return out << std::hex << "0x" << call.atom << std::dec << ")";
    out << std::hex << "0x" << call.hwnd << ", 0x" << call.id << std::dec;
    if (call.function == "RegisterHotKey")
        out << ", " << call.modifiers << ", '" << static_cast<char>(call.vk) << "'";
    return out << ")";
}

FakeHotKeyApi::FakeHotKeyApi(FakeHotKeySystem& system)
    : system_(system), process_(system.attachProcess()) {}

FakeHotKeyApi::~FakeHotKeyApi() {
    system_.detachProcess(process_);
}

bool FakeHotKeyApi::failing(HotKeyCall call) {
    calls_.push_back(std::move(call));
    if (throwAt_ == calls_.size())
        throw std::bad_alloc();
    auto found = failingFunctions_.find(calls_.back().function);
    if (failAt_ == calls_.size())
        lastError_ = failAtError_;
    else if (found != failingFunctions_.end())
        lastError_ = found->second;
    else
        return false;
    return true;
}

bool FakeHotKeyApi::RegisterHotKey(Handle hwnd, int id, unsigned modifiers, unsigned vk) {
    if (failing({"RegisterHotKey", hwnd, id, modifiers, vk, "", 0}))
        return false;
    Dword error = system_.registerHotKey(process_, hwnd, id, modifiers, vk);
    if (error)
        lastError_ = error;
    return error == 0;
}

bool FakeHotKeyApi::UnregisterHotKey(Handle hwnd, int id) {
    if (failing({"UnregisterHotKey", hwnd, id, 0, 0, "", 0}))
        return false;
    Dword error = system_.unregisterHotKey(process_, hwnd, id);
    if (error)
        lastError_ = error;
    return error == 0;
}

std::uint16_t FakeHotKeyApi::GlobalAddAtomA(const char* name) {
    if (failing({"GlobalAddAtomA", 0, 0, 0, 0, name ? name : "", 0}))
        return 0;
    return system_.addAtom(name);
}

std::uint16_t FakeHotKeyApi::GlobalDeleteAtom(std::uint16_t atom) {
    if (failing({"GlobalDeleteAtom", 0, 0, 0, 0, "", atom}))
        return atom;
    return system_.deleteAtom(atom) ? 0 : atom;
}

void FakeHotKeyApi::failFunction(const std::string& function, Dword error) {
    failingFunctions_[function] = error;
}

void FakeHotKeyApi::failCall(size_t n, Dword error) {
    failAt_ = n;
    failAtError_ = error;
}

void FakeHotKeyApi::stopFailing() {
    failingFunctions_.clear();
    failAt_ = 0;
}

std::vector<HotKeyCall> FakeHotKeyApi::callsOf(const std::string& function) const {
    std::vector<HotKeyCall> found;
    for (const HotKeyCall& call : calls_)
        if (call.function == function)
            found.push_back(call);
    return found;
}

void FakeHotKeyApi::clearCalls() {
    calls_.clear();
    failAt_ = 0;
}
