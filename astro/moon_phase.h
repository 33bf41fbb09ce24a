// The Moon's phase: its illuminated fraction, age and phase angle at an
// instant, and the instants of its principal phases.
//
// The phase angle is the Moon's apparent geocentric ecliptic longitude
// minus the Sun's (ecliptic and true equinox of date), in [0, 360): 0 at
// new moon, 90 at first quarter, 180 at full moon, 270 at last quarter.
// The illuminated fraction is (1 + cos i) / 2, i the angle at the Moon
// between the Sun and the Earth's centre, from the apparent geocentric
// positions. The age is the time since the last new moon, in days.
// Instants are UTC seconds; DUT1 plays no part (TT only).
#pragma once

#include <vector>

namespace astro {

struct MoonPhase {
    double IlluminatedFraction; // 0 (new) to 1 (full)
    double Age;                 // days since the last new moon
    double PhaseAngle;          // degrees, [0, 360)
};

// Throws TimeRangeError outside 1900-2100.
MoonPhase MoonPhaseAt(double utc);

enum class PrincipalPhaseKind { NewMoon, FirstQuarter, FullMoon, LastQuarter };

struct PrincipalPhase {
    PrincipalPhaseKind Kind;
    double Utc;
};

// The new moons, first quarters, full moons and last quarters in
// [start, end), in order, each found as a root to 0.05 s. Throws
// TimeRangeError unless [start, end) lies within 1900-2100.
std::vector<PrincipalPhase> PrincipalPhases(double start, double end);

} // namespace astro
