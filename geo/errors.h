// The run-time errors of the suite's number handling.
//
// Each one carries, as what(), exactly the text the user sees in the
// window's error report. They are thrown by the conversions and by the
// computation and caught only by the windows' handler guard.
#pragma once

#include <stdexcept>
#include <string>

namespace geo {

// A text that is not a decimal integer: "'<text>' is not a valid integer value".
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

// A text that is not a decimal number: "'<text>' is not a valid floating point value".
class FloatConvertError : public std::runtime_error {
public:
    explicit FloatConvertError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value") {}
};

// An index or a value outside the range its type allows.
class RangeError : public std::runtime_error {
public:
    RangeError() : std::runtime_error("Range check error") {}
};

// A floating-point operation without a result: the logarithm of a negative
// number, a computation that ends in NaN or infinity.
class InvalidOperation : public std::runtime_error {
public:
    InvalidOperation() : std::runtime_error("Invalid floating point operation") {}
};

} // namespace geo
