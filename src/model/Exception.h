#pragma once
#include <exception>
#include <new>
#include <string>
#include <utility>

// The common base of the errors the storage layer raises. The message is
// UTF-8 text meant for the user (the standard error box shows it).
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A storage step fails with one of the storage layer's errors, or by running
// out of memory on the way; anything else is a fault and goes on. Returns
// what the step returns, false when it failed; `failed` runs first, inside
// the handler, where `throw;` passes the failure on.
template <class Step, class Failed> bool attempt(Step&& step, Failed&& failed) {
    try {
        return step();
    } catch (const Exception&) {
        failed();
    } catch (const std::bad_alloc&) {
        failed();
    }
    return false;
}

template <class Step> bool attempt(Step&& step) {
    return attempt(std::forward<Step>(step), [] {});
}
