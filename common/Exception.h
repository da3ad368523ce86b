#pragma once

#include "common/InternalErrors.h"

#include <stdexcept>
#include <string>

namespace varnel {

// The base of every error the system raises itself; carries the message text
// that is shown to the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Faults that consistent data cannot cause are raised with a number and read
// as "internal error #<number>"; any other text is the message itself.
class EM : public Exception {
public:
    explicit EM(const std::string& text);
    explicit EM(TInternalError error);
    static std::string MessageFor(const std::string& text);
};

// A text that should hold an integer or number does not (for example a
// missing `enabled` attribute).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Arithmetic traps, raised with the platform's own texts.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EDivByZero : public EMathError {
public:
    EDivByZero() : EMathError("Division by zero") {}
};

} // namespace varnel
