#pragma once
// The one small hierarchy of errors the program raises. Each carries the exact
// message text the user sees (UTF-8); the error boundary shows it.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole text: what() stops at a NUL that a field's text may carry.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A text that does not convert to a number.
class ConvertError : public Error {
public:
    using Error::Error;
};

// Division by zero, invalid operation, overflow.
class MathError : public Error {
public:
    using Error::Error;
};

// Canvas, picture files, folders, dialogs: what the system refuses.
class PlatformError : public Error {
public:
    using Error::Error;
};

[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseOverflow();

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

}  // namespace platform
