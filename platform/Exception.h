#pragma once
// The base class of every error that the programs raise and catch themselves.
#include <exception>

#include "AnsiString.h"

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    const AnsiString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

// A list index outside the list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A registry value that cannot be read or written.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
