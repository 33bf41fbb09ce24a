// The catalogue of the navigational stars, compiled in from
// astro/data/navigational_stars.csv (its README names the source): the
// Hipparcos new reduction (van Leeuwen 2007) as SIMBAD carries it to
// J2000, ICRS.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace astro {

struct CatalogueStar {
    int Number;                // in the almanacs' list, 1-57; Polaris 58
    const char* Name;          // the almanacs' spelling
    int Hip;                   // Hipparcos catalogue number
    double RightAscension;     // ICRS, epoch J2000.0 (degrees)
    double Declination;        // (degrees)
    double ProperMotionRa;     // mu_alpha* = mu_alpha cos(delta) (mas a Julian year)
    double ProperMotionDec;    // (mas a Julian year)
    double Parallax;           // (mas)
    double RadialVelocity;     // (km/s, receding positive; 0 where unknown)
    double Magnitude;          // visual (V)
};

// The table the build makes from the catalogue file.
extern const CatalogueStar NavigationalStarTable[];
extern const std::size_t NavigationalStarTableSize;

// Every star of the catalogue, in its numbered order.
inline std::span<const CatalogueStar> NavigationalStars()
{
    return {NavigationalStarTable, NavigationalStarTableSize};
}

// The catalogue's star of that exact almanac name, or nullptr.
const CatalogueStar* CatalogueStarNamed(std::string_view name);

} // namespace astro
