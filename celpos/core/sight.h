// One sight and its reduction: the almanac's place of the body at the
// sight's UT, the sextant altitude corrected to Ho, the computed altitude
// Hc and azimuth Zn from a position, and the intercept.
//
// Conventions: the sight's time is what the watch read; UT = that time
// minus the watch error (positive when the watch is fast), UT1 = UT +
// DUT1 for the almanac. A noon sight (the Sun at its meridian passage)
// and a sight of Polaris give a latitude besides their line of position.
#pragma once

#include "celpos/core/altitude_corrections.h"
#include "celpos/core/computed_altitude.h"

#include <functional>
#include <optional>
#include <string>

namespace celpos {

// What the almanac gives for a body at an instant.
struct BodyPosition {
    double GhaDeg = 0;
    double DecDeg = 0;
    BodyDisc Disc; // SD and HP (0 for stars)
    bool IsStar = false;
};

// The almanac's figures of `body` (a name BodyName takes) at UTC instant
// `utc` with UT1 - UTC = `dut1` seconds. Throws what the almanac throws.
using AlmanacLookup = std::function<BodyPosition(const std::string& body, double utc, double dut1)>;

struct Sight {
    std::string Body;                       // the almanac's spelling ("Sun", "Rigil Kent.")
    Limb LimbTaken = Limb::Lower;           // centre for stars and planets
    double WatchUtc = 0;                    // the time the watch read, as UTC seconds
    double HsDeg = 0;                       // sextant altitude
    std::optional<double> IndexErrorArcmin; // none: the sights' common index error
    bool Noon = false;                      // the Sun at its meridian passage
};

// What all the sights of a round share.
struct SightSettings {
    SightConditions Conditions; // its IndexErrorArcmin is the default of every sight
    double WatchErrorS = 0;     // positive when the watch is fast, -3600..3600
    double Dut1S = 0;           // UT1 - UTC, -0.9..0.9
};

// Throws SightError naming the first setting out of its range.
void RequireValidSettings(const SightSettings& settings);

// The limb a body is taken by when none is said: the lower limb of the
// Sun and the Moon, the centre of everything else.
Limb DefaultLimb(const std::string& body);

// True for the almanac's navigational stars and Polaris (names as the
// almanac spells them).
bool IsStar(const std::string& body);

// Throws SightError for a sight that cannot be taken: of Aries (a point,
// not a body), of a star by a limb, a noon sight of anything but the Sun.
void RequireObservable(const Sight& sight, bool isStar);

struct SightReduction {
    double Utc = 0;          // UT of the sight (the watch time less its error)
    BodyPosition Place;      // the almanac's
    SightConditions Conditions;
    AltitudeCorrections Corrections; // Hs to Ho
    double LatDeg = 0, LonDeg = 0;   // the position it is reduced from
    HorizonPlace Computed;           // LHA, Hc, Zn from there; for a noon sight the meridian altitude
    double InterceptNm = 0;          // Ho - Hc, positive toward Zn
    std::optional<double> LatitudeDeg; // noon sight and Polaris: the latitude the altitude gives
};

// The computed place that a sight's observed altitude is held against:
// ComputedPlace, or for a noon sight the meridian altitude 90 - |lat -
// dec| with Zn 180 (the Sun south of `latDeg`) or 0.
HorizonPlace SightPlace(const Sight& sight, const BodyPosition& place, double latDeg, double lonDeg);

// Reduces `sight` from latitude `latDeg`, longitude `lonDeg`. Throws
// SightError (and what `almanac` throws) for what cannot be reduced.
SightReduction ReduceSight(const Sight& sight, const SightSettings& settings, double latDeg, double lonDeg,
                           const AlmanacLookup& almanac);

} // namespace celpos
