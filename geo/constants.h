// Constants the whole suite shares, defined once.
#pragma once

#include <numbers>

namespace geo {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double DegreesPerRadian = 57.29577951308232; // 180 / pi, as the geodesy routines convert
inline constexpr double MetresPerNauticalMile = 1852.0;        // the international nautical mile
inline constexpr double MinutesPerDegree = 60.0;

} // namespace geo
