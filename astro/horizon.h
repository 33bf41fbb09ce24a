// The sea horizon: its dip, the refraction a caller applies to true
// altitudes, and the altitudes at which the events of a day happen.
//
// Rise and set are when the upper limb is on the sea horizon: the true
// (unrefracted, topocentric) altitude of the centre is then
// -(34' + semi-diameter + dip), 34' being the standard refraction at the
// horizon. Twilights begin and end with the Sun's centre at -6 (civil),
// -12 (nautical) and -18 degrees (astronomical), without refraction or dip.
#pragma once

namespace astro {

inline constexpr double HorizonRefraction = 34.0 / 60.0; // standard refraction at the horizon (degrees)
inline constexpr double CivilTwilight = -6.0;            // the Sun's centre (degrees)
inline constexpr double NauticalTwilight = -12.0;
inline constexpr double AstronomicalTwilight = -18.0;

// The dip of the sea horizon for a height of eye (metres, >= 0):
// 1.76' sqrt(height), in degrees.
double DipOfHorizon(double heightOfEye);

// The true altitude of the centre (degrees) at which a body of the given
// semi-diameter (degrees) rises or sets for that height of eye (metres).
double RiseSetAltitude(double semiDiameter, double heightOfEye);

// The refraction (degrees) that lifts a body at the true altitude `h`
// (degrees) to its apparent altitude: Saemundsson's formula,
// R = 1.02' / tan(h + 10.3 / (h + 5.11)), for 10 C and 1010 hPa: 29.0' at
// h = 0 (the 34' of the rise and set altitudes is the standard value for
// the apparent horizon), 1.01' at 45 degrees, 0 at the zenith. Below -1
// degree, where the formula stops describing any sky, it gives its value
// at -1 degree.
double Refraction(double h);

} // namespace astro
