#pragma once
#include <exception>
#include <string>

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
