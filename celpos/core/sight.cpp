#include "celpos/core/sight.h"

#include "astro/almanac.h"
#include "geo/constants.h"
#include "geo/position_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace celpos {
namespace {

constexpr double LargestWatchError = 3600;  // seconds
constexpr double LargestDut1 = 0.9;         // seconds, as UTC is kept
constexpr double QuarterTurn = 90.0;
constexpr int LatitudeSteps = 20;           // Newton steps for Polaris's latitude
constexpr double LatitudeSettled = 1e-10;   // degrees

// The latitude on the meridian of `lonDeg` where the body stands at `hoDeg`,
// found from `latDeg` by Newton steps along the azimuth (Polaris stands
// within a degree or so of north, so that they settle at once).
double LatitudeOfAltitude(const BodyPosition& place, double hoDeg, double latDeg, double lonDeg)
{
    double lat = latDeg;
    for (int step = 0; step < LatitudeSteps; ++step) {
        const HorizonPlace here = ComputedPlace(lat, lonDeg, place.GhaDeg, place.DecDeg);
        const double move = (hoDeg - here.HcDeg) / std::cos(here.ZnDeg / geo::DegreesPerRadian);
        lat = std::fmax(-QuarterTurn, std::fmin(QuarterTurn, lat + move));
        if (std::fabs(move) < LatitudeSettled)
            break;
    }
    return lat;
}

} // namespace

void RequireValidSettings(const SightSettings& s)
{
    RequireValidConditions(s.Conditions);
    if (!(std::fabs(s.WatchErrorS) <= LargestWatchError))
        throw SightError("The watch error " + geo::DecimalText(s.WatchErrorS) + " s is outside -3600 to 3600 s");
    if (!(std::fabs(s.Dut1S) <= LargestDut1))
        throw SightError("DUT1 " + geo::DecimalText(s.Dut1S) + " s is outside -0.9 to 0.9 s");
}

bool IsStar(const std::string& body)
{
    static const std::vector<std::string> bodies = astro::AlmanacBodies();
    const auto aries = std::ranges::find(bodies, "Aries");
    return std::find(aries == bodies.end() ? aries : aries + 1, bodies.end(), body) != bodies.end();
}

Limb DefaultLimb(const std::string& body)
{
    return body == "Sun" || body == "Moon" ? Limb::Lower : Limb::Centre;
}

void RequireObservable(const Sight& sight, bool isStar)
{
    if (sight.Body == "Aries")
        throw SightError("Aries is a point of the sky, not a body to take a sight of");
    if (isStar && sight.LimbTaken != Limb::Centre)
        throw SightError(sight.Body + " is a star: it has no " + LimbName(sight.LimbTaken) + " limb");
    if (sight.Noon && sight.Body != "Sun")
        throw SightError("A noon sight is a sight of the Sun, not of " + sight.Body);
}

HorizonPlace SightPlace(const Sight& sight, const BodyPosition& place, double latDeg, double lonDeg)
{
    HorizonPlace computed = ComputedPlace(latDeg, lonDeg, place.GhaDeg, place.DecDeg);
    if (sight.Noon) {
        computed.HcDeg = QuarterTurn - std::fabs(latDeg - place.DecDeg);
        computed.ZnDeg = latDeg >= place.DecDeg ? 180.0 : 0.0;
    }
    return computed;
}

SightReduction ReduceSight(const Sight& sight, const SightSettings& settings, double latDeg, double lonDeg,
                           const AlmanacLookup& almanac)
{
    RequireValidSettings(settings);
    SightReduction r;
    r.Utc = sight.WatchUtc - settings.WatchErrorS;
    r.Place = almanac(sight.Body, r.Utc, settings.Dut1S);
    RequireObservable(sight, r.Place.IsStar);
    r.Conditions = settings.Conditions;
    if (sight.IndexErrorArcmin)
        r.Conditions.IndexErrorArcmin = *sight.IndexErrorArcmin;
    r.Corrections = CorrectAltitude(sight.HsDeg, sight.LimbTaken, r.Conditions, r.Place.Disc);
    r.LatDeg = latDeg;
    r.LonDeg = lonDeg;
    r.Computed = SightPlace(sight, r.Place, latDeg, lonDeg);
    r.InterceptNm = Intercept(r.Corrections.HoDeg, r.Computed.HcDeg);
    const double ho = r.Corrections.HoDeg;
    if (sight.Noon)
        r.LatitudeDeg = r.Computed.ZnDeg == 180.0 ? r.Place.DecDeg + (QuarterTurn - ho)
                                                  : r.Place.DecDeg - (QuarterTurn - ho);
    else if (sight.Body == "Polaris")
        r.LatitudeDeg = LatitudeOfAltitude(r.Place, ho, latDeg, lonDeg);
    return r;
}

} // namespace celpos
