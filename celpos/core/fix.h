// The position fix from two or more sights: each sight's line of
// position, the earlier ones run on to the time of the last sight along
// the vessel's rhumb line (a running fix), and the position that fits
// them best.
//
// Conventions:
// - The DR position is where the vessel was at the time of the first
//   sight (the earliest UT); between sights it sails the course and speed
//   given along the rhumb line on WGS 84 as defined, by the dead-reckoning
//   computation's SailLeg.
// - The fix is at the UT of the last sight. From a trial position X the
//   vessel's place at each sight's time is X sailed back along the
//   reciprocal course; there the sight's Hc and Zn are computed and its
//   residual is Ho - Hc. X moves by the least-squares solution of
//   residual = dN cos Zn + dE sin Zn (nautical miles, an arc-minute a
//   mile), from the DR run on to that time, until it moves less than
//   0.01 nm.
// - A noon sight is a line of latitude (Zn 0 or 180); Polaris a sight
//   like any other, its line lying east and west within a degree or so.
#pragma once

#include "celpos/core/sight.h"

#include <string>
#include <vector>

namespace celpos {

// How the vessel sails between the sights.
struct Run {
    double CourseDeg = 0; // true, 0 <= course < 360
    double SpeedKn = 0;   // 0..60
};

struct SightRound {
    double DrLatDeg = 0, DrLonDeg = 0; // at the time of the first sight
    Run Between;
    SightSettings Settings;
    std::vector<Sight> Sights;
};

// The fix's warnings: lines crossing at less than this, residuals beyond this.
inline constexpr double WeakCrossingDeg = 30.0;
inline constexpr double LargeResidualArcmin = 2.0;
inline constexpr double SettledNm = 0.01;

// Where the vessel is at `utc` by dead reckoning from `round`'s DR
// (degrees, latitude and longitude). Throws SightError for a run that
// passes a pole.
struct Place {
    double LatDeg, LonDeg;
};
Place DeadReckoning(const SightRound& round, double utc);

// Each sight reduced from the DR at its own time, in the order given.
// Throws SightError (or the almanac's error) for the first sight that
// cannot be reduced, its number said ("Sight 2: ...").
std::vector<SightReduction> ReduceRound(const SightRound& round, const AlmanacLookup& almanac);

struct Fix {
    double LatDeg = 0, LonDeg = 0;
    double Utc = 0;                      // UT of the last sight
    Place DrAtFix{};                     // the DR run on to that time
    std::vector<double> ResidualsArcmin; // Ho - Hc at the fix, each sight in the order given
    std::vector<double> ZnDeg;           // each sight's azimuth at the fix
    std::vector<std::string> Warnings;
    std::vector<SightReduction> Reductions; // from the DR, as ReduceRound gives them
    int Iterations = 0;
};

// The fix of `round`. Throws SightError for fewer than two sights, lines
// of position that are all parallel (within a degree), a position that
// does not settle in 50 steps, or a run past a pole; and the reductions'
// errors.
Fix FixPosition(const SightRound& round, const AlmanacLookup& almanac);

} // namespace celpos
