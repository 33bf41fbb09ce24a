#include "wayline/core/great_circle_split.h"

#include "geo/constants.h"
#include "geo/position_text.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>

namespace wayline {
namespace {

constexpr double HalfTurn = 180.0, FullTurn = 360.0; // degrees
constexpr int Halvings = 80; // bisections that take any geodesic's length below a nanometre

constexpr unsigned Where = GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
                           GeographicLib::Geodesic::LONG_UNROLL;

struct Place {
    double Lat = 0, Lon = 0; // Lon unrolled along the line
};

Place At(const GeographicLib::GeodesicLine& line, double s)
{
    Place p;
    double azi = 0, m12 = 0, M12 = 0, M21 = 0, S12 = 0;
    line.GenPosition(false, s, Where, p.Lat, p.Lon, azi, s, m12, M12, M21, S12);
    return p;
}

// Where the line crosses the meridian `lon` (unrolled, strictly between
// its ends' longitudes): its longitude runs one way along a great circle
// that is not a meridian, so halving the bracket finds it.
double DistanceAtMeridian(const GeographicLib::GeodesicLine& line, double lon, double low, double high, bool east)
{
    for (int i = 0; i < Halvings && high - low > 0; ++i) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        if ((At(line, middle).Lon < lon) == east)
            low = middle;
        else
            high = middle;
    }
    return low + (high - low) / 2;
}

void CheckStep(const SplitStep& step)
{
    const bool degrees = step.By == SplitStep::Unit::Degrees;
    if (!(std::isfinite(step.Size) && step.Size > 0) || (degrees && step.Size > HalfTurn))
        throw RouteError("the step " + geo::DecimalText(step.Size) +
                         (degrees ? " is not a step of longitude (above 0, up to 180 degrees)"
                                  : " is not a distance in nautical miles above 0"));
}

[[noreturn]] void TooMany(const SplitStep& step)
{
    throw RouteError("a step of " + geo::DecimalText(step.Size) +
                     (step.By == SplitStep::Unit::Degrees ? " degrees" : " nautical miles") + " would give more than " +
                     std::to_string(LargestSplit) + " points");
}

// The distances from the start of the points strictly between the ends.
std::vector<double> Cuts(const GeographicLib::GeodesicLine& line, const SplitStep& step)
{
    std::vector<double> cuts;
    const double length = line.Distance();
    if (step.By == SplitStep::Unit::NauticalMiles) {
        const double metres = step.Size * geo::MetresPerNauticalMile;
        if (length / metres > static_cast<double>(LargestSplit))
            TooMany(step);
        for (double s = metres; s < length; s = metres * static_cast<double>(cuts.size() + 1))
            cuts.push_back(s);
        return cuts;
    }
    const double lon1 = At(line, 0).Lon, lon2 = At(line, length).Lon;
    const bool east = lon2 > lon1;
    // Along a meridian (or through a pole, where the longitude jumps half a
    // turn) no meridian between is crossed.
    if (std::fabs(lon2 - lon1) >= HalfTurn || lon2 == lon1)
        return cuts;
    if (std::fabs(lon2 - lon1) / step.Size + 2 > static_cast<double>(LargestSplit))
        TooMany(step);
    // The round meridians as the chart labels them, -180..180, in the turn
    // before, of and after the departure's; unrolled like the line's.
    std::vector<double> meridians;
    const double low = std::fmin(lon1, lon2), high = std::fmax(lon1, lon2);
    for (const double turn : {-FullTurn, 0.0, FullTurn}) {
        const double first = std::ceil(std::fmax(-HalfTurn, low - turn) / step.Size);
        const double last = std::floor(std::fmin(HalfTurn, high - turn) / step.Size);
        for (double k = first; k <= last; ++k) {
            const double lon = k * step.Size + turn;
            if (lon > low && lon < high && (meridians.empty() || lon != meridians.back()))
                meridians.push_back(lon);
        }
    }
    if (!east)
        std::ranges::reverse(meridians);
    double from = 0;
    for (const double lon : meridians) {
        from = DistanceAtMeridian(line, lon, from, length, east);
        cuts.push_back(from);
    }
    return cuts;
}

} // namespace

GreatCircleSplit SplitGreatCircle(const Earth& earth, const Waypoint& from, const Waypoint& to, SplitStep step)
{
    CheckStep(step);
    // Meridians counted from 0 on either side of it, whatever turn the
    // departure's longitude was given in.
    const GeographicLib::GeodesicLine line =
        earth.Geodesic.InverseLine(from.Lat, std::remainder(from.Lon, FullTurn), to.Lat, to.Lon);
    GreatCircleSplit split;
    split.GreatCircleMetres = line.Distance();
    split.Points.push_back({"", from.Lat, std::remainder(from.Lon, FullTurn)});
    if (split.GreatCircleMetres == 0)
        return split;
    for (const double s : Cuts(line, step)) {
        const Place p = At(line, s);
        split.Points.push_back({"", p.Lat, std::remainder(p.Lon, FullTurn)});
    }
    split.Points.push_back({"", to.Lat, std::remainder(to.Lon, FullTurn)});
    for (std::size_t i = 0; i + 1 < split.Points.size(); ++i) {
        const Waypoint& a = split.Points[i];
        const Waypoint& b = split.Points[i + 1];
        RhumbStep r;
        double azimuth = 0;
        earth.Rhumb.Inverse(a.Lat, a.Lon, b.Lat, b.Lon, r.Metres, azimuth);
        r.Course = Course(azimuth);
        split.Steps.push_back(r);
        split.RhumbMetres += r.Metres;
    }
    split.ExtraMetres = std::fmax(0.0, split.RhumbMetres - split.GreatCircleMetres);
    return split;
}

} // namespace wayline
