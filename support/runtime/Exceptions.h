#pragma once
// The error classes that reach the user. Each carries the exact text the
// error box shows (without the full stop the box may add).

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    const std::string& message() const noexcept { return Message; }

private:
    std::string Message;
};

// Number text that is not a number, or a format mask that is too long.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Floating-point faults, raised by explicit checks (hardware traps stay off).
class EOverflow : public Exception {
public:
    EOverflow() : Exception("Floating point overflow") {}
};

class EInvalidOp : public Exception {
public:
    EInvalidOp() : Exception("Invalid floating point operation") {}
};

class EZeroDivide : public Exception {
public:
    EZeroDivide() : Exception("Floating point division by zero") {}
};

// An index outside a list, or a list grown past its largest capacity.
class EListError : public Exception {
public:
    using Exception::Exception;
};

class EOutOfMemory : public Exception {
public:
    EOutOfMemory() : Exception("Out of memory") {}
};

// printf-style filling of a message with one text or one integer.
std::string FormatMessage(const std::string& pattern, const std::string& text);
std::string FormatMessage(const std::string& pattern, long long number);
