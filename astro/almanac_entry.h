// The almanac's figures at a time argument, for the almanac's own pages
// (which reach an hour past the last supported day).
#pragma once

#include "astro/almanac.h"
#include "astro/time_scales.h"

#include <string>

namespace astro {

// Almanac(name, ...) for `name` as BodyName gives it, at `time` (any
// instant TimeFromUtc takes). Throws AstroError for another name.
AlmanacEntry AlmanacEntryAt(const std::string& name, const TimeArgument& time);

} // namespace astro
