#include "astro/stars.h"

#include "astro/bodies.h"

#include "geo/constants.h"

#include <erfa.h>

#include <cmath>
#include <string_view>

namespace astro {
namespace {

constexpr double MasPerDegree = 3600.0 * 1000.0;

double Radians(double degrees)
{
    return degrees / geo::DegreesPerRadian;
}

double Degrees(double radians)
{
    return radians * geo::DegreesPerRadian;
}

} // namespace

const CatalogueStar* CatalogueStarNamed(std::string_view name)
{
    for (const CatalogueStar& star : NavigationalStars())
        if (name == star.Name)
            return &star;
    return nullptr;
}

StarPlace ApparentStar(const CatalogueStar& star, const TimeArgument& time)
{
    // GAST first: it refuses instants beyond the ephemeris's reach.
    const double ghaAries = GreenwichApparentSiderealTime(time);
    eraASTROM astrom{};
    double eo = 0;
    eraApci13(J2000, time.Tt, &astrom, &eo);
    const double dec = Radians(star.Declination);
    // ERFA takes dRA/dt, the catalogue mu_alpha cos(delta); |delta| < 90 for every star.
    const double pmRa = Radians(star.ProperMotionRa / MasPerDegree) / std::cos(dec);
    const double pmDec = Radians(star.ProperMotionDec / MasPerDegree);
    const double parallaxArcsec = star.Parallax / 1000.0;
    double ri = 0, di = 0;
    eraAtciq(Radians(star.RightAscension), dec, pmRa, pmDec, parallaxArcsec, star.RadialVelocity, &astrom, &ri, &di);

    StarPlace place{};
    place.RightAscension = Degrees(eraAnp(ri - eo));
    place.Declination = Degrees(di);
    place.Sha = Degrees(eraAnp(-(ri - eo)));
    place.Gha = std::fmod(ghaAries + place.Sha, 360.0);
    return place;
}

} // namespace astro
