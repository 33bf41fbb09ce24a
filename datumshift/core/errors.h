// What a datum transformation refuses, and why: what() is the text the
// user reads.
#pragma once

#include <stdexcept>

namespace datumshift {

class DatumError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace datumshift
