// The almanac: what a nautical almanac tabulates for each body, at any
// UT instant of 1900-2100.
//
// Conventions:
// - Apparent geocentric places in the true equator and equinox of date
//   (IAU 2006 precession, IAU 2000A nutation), GHA = GAST - RA, GAST as
//   eraGst06a computes it (bodies.h). The Sun and the planets with light
//   time and annual aberration, the Moon with light time only, the stars
//   from their catalogue place (proper motion, parallax and radial
//   velocity to date, light deflection and annual aberration, as
//   eraAtci13 computes them).
// - The Sun and the Moon as bodies.h gives them (eraEpv00, ELP 2000-82B);
//   the planets from VSOP87 (planets.h); the stars from the catalogue
//   compiled in (stars.h, astro/data/navigational_stars.csv).
// - Every altitude a caller derives from these is geocentric: the
//   parallax in altitude (HP cos H), the semi-diameter and refraction are
//   the caller's, as the almanacs' users apply them.
// - Angles in degrees, SD and HP in minutes of arc. The instant is UTC
//   seconds since 1970 (POSIX); UT1 = UTC + dut1 seconds; TT from the
//   time scales of time_scales.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace astro {

enum class BodyKind { Sun, Moon, Planet, Star, Aries };

struct AlmanacEntry {
    std::string Body;                  // the almanacs' spelling: "Sun", "Venus", "Rigil Kent.", "Al Na'ir", "Aries"
    BodyKind Kind;
    double GhaDeg;                     // Greenwich hour angle, 0 <= GHA < 360, apparent place, true equinox of date
    std::optional<double> DecDeg;      // declination; none for Aries
    std::optional<double> ShaDeg;      // sidereal hour angle, stars only (GHA star = GHA Aries + SHA)
    std::optional<double> SdArcmin;    // semi-diameter (geocentric), Sun, Moon and planets; none for stars and Aries
    std::optional<double> HpArcmin;    // equatorial horizontal parallax, Sun, Moon and planets; none for stars and Aries
    std::optional<double> Magnitude;   // visual magnitude, planets and stars (and the Sun and Moon where given)
};

// The almanac's figures for `body` at the UT instant `utc` (UTC seconds
// since 1970, POSIX, no leap seconds; UT1 = UTC + dut1 seconds; TT from the
// time scales of time_scales.h). Years 1900-2100. Throws AstroError
// ("'Foo' is not a body of the almanac") for a name BodyName does not know.
AlmanacEntry Almanac(std::string_view body, double utc, double dut1 = 0);

// The canonical name of `typed`: case-insensitive, blanks folded, and the
// aliases "Rigil Kentaurus" for "Rigil Kent." and "Alnair" for "Al Na'ir";
// none when it names no body of the almanac.
std::optional<std::string> BodyName(std::string_view typed);

// Every name Almanac takes, in the almanac's order: Sun, Moon, Venus,
// Mars, Jupiter, Saturn, Aries, the 57 navigational stars in their
// numbered order, Polaris.
std::vector<std::string> AlmanacBodies();

} // namespace astro
