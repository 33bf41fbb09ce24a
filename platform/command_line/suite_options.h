// What the suite's command lines share beyond the options themselves: the
// ellipsoid and display-format options, positions as scripts write them,
// "Name: value" output, and the one way a program reports bad input.
#pragma once

#include "geo/angle_text.h"
#include "platform/command_line/arguments.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace cli {

inline const Option EllipsoidOption{"--ellipsoid", "NAME"};
inline const Option FormatOption{"--format", "DM.dd|DMS|DMS.sss"};
inline const Option JsonOption{"--json"};

// The catalogue index of --ellipsoid (WGS 84 when it is not given). An
// unknown name is refused with the names there are.
int EllipsoidOf(const Arguments& args);

// --format, DM.dd when it is not given.
geo::AngleFormat FormatOf(const Arguments& args);

// The value of `option` as a whole number from `lowest` to `highest`
// (digits only), or `fallback` where it is not given. Anything else is
// refused: "--days takes a whole number of days from 1 to 366, not 'x'",
// `unit` naming what is counted ("days").
int WholeNumberOf(const Arguments& args, const Option& option, int fallback, int lowest, int highest,
                  const std::string& unit);

// The index of the value of `option` among `choices`, or `fallback` where
// it is not given. Another value is refused: "--order takes
// brightness|azimuth, not 'x'", the choices as the usage line shows them.
std::size_t ChoiceOf(const Arguments& args, const Option& option, const std::vector<std::string>& choices,
                     std::size_t fallback);

struct Position {
    double Lat = 0, Lon = 0; // signed degrees
};
// A position as geo::ReadPosition takes it; refused with its reason.
Position PositionOf(const std::string& word);

// One "Name: value" a line: a value in UTF-8 as it is, and a window's
// 8-bit text with its degree signs in UTF-8 (geo::ShownText).
std::string Lines(const std::vector<std::pair<std::string, std::string>>& lines);

// Parses `words` into `args` and runs `body`, which writes the output.
// Returns the exit status: 0, or 2 with "program: reason" and the usage
// line in `err` when the input is refused (InputError, from the parsing
// or from the body).
int Run(Arguments& args, const std::vector<std::string>& words, const std::function<void(std::string& out)>& body,
        std::string& out, std::string& err);

} // namespace cli
