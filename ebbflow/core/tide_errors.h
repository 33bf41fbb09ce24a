// The run-time errors of the tide core. Each what() is exactly the text the
// user reads (UTF-8).
#pragma once

#include <stdexcept>

namespace ebbflow {

// A tide data file that is refused: "The tide data could not be read from
// <file>: <reason>" once the database names the file.
class TideDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A station name or position that finds no station, or finds several.
class StationSearchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A prediction that cannot be made: a time outside the years the data
// cover, a value asked of a station that only has high and low waters.
class PredictionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ebbflow
