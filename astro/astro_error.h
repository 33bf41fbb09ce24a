// The error the astronomy core refuses with: a body it does not know, an
// instant outside its years, an observer off the Earth. what() is the
// text the user reads.
#pragma once

#include <stdexcept>

namespace astro {

class AstroError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace astro
