// The refusals of the civil-time library. Each what() is exactly the text
// the user reads: a command line prints it, a window shows it.
#pragma once

#include <stdexcept>
#include <string>

namespace timezones {

// A text that is not a date, an instant or a zone; a local time that does
// not exist or exists twice when the caller asked for it to be refused; an
// instant outside the years 0000 to 9999.
class TimeError : public std::runtime_error {
public:
    explicit TimeError(const std::string& message) : std::runtime_error(message) {}
};

// A time-zone file that cannot be read or is not a sound TZif file:
// "The time zone could not be read from <file>: <reason>".
class ZoneFileError : public TimeError {
public:
    ZoneFileError(const std::string& fileName, const std::string& reason)
        : TimeError("The time zone could not be read from " + fileName + ": " + reason)
    {
    }
};

} // namespace timezones
