#include "rangebear/core/range_bearing.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>

namespace rangebear {
namespace {

constexpr double FullTurn = 360, HalfTurn = 180, Pole = 90;

// Courses as a navigator reads them: 0 up to, not including, 360.
double Course(double azimuth)
{
    const double c = std::fmod(azimuth + FullTurn, FullTurn);
    return c >= FullTurn ? 0.0 : c;
}

} // namespace

RangeBearing Solve(const geo::EllipsoidDefinition& ellipsoid, double lat1, double lon1, double lat2, double lon2)
{
    const GeographicLib::Geodesic geodesic(ellipsoid.a, ellipsoid.f);
    const GeographicLib::Rhumb rhumb(ellipsoid.a, ellipsoid.f);

    RangeBearing r;
    double s12 = 0, azi1 = 0, azi2 = 0;
    const double a12 = geodesic.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    r.GeodesicDistance = s12;
    r.InitialCourse = Course(azi1);
    r.FinalCourse = Course(azi2);
    double rhumbAzimuth = 0;
    rhumb.Inverse(lat1, lon1, lat2, lon2, r.RhumbDistance, rhumbAzimuth);
    r.RhumbCourse = Course(rhumbAzimuth);
    r.SamePoint = s12 == 0 || (std::fabs(lat1) == Pole && lat1 == lat2);
    if (r.SamePoint) {
        // GeographicLib leaves a residue of 1e-25 m at a pole.
        r.GeodesicDistance = r.RhumbDistance = 0;
    }
    // Opposite points (half a turn of arc) are joined by more than one
    // shortest way, and so are points on the equator farther apart than
    // (1 - f) half turns, whose shortest ways pass north and south alike.
    const double apart = std::fabs(std::remainder(lon2 - lon1, FullTurn));
    r.NotUnique = !r.SamePoint && (std::fabs(a12 - HalfTurn) < 1e-9 ||
                                   (lat1 == 0 && lat2 == 0 && apart > (1 - ellipsoid.f) * HalfTurn));
    return r;
}

} // namespace rangebear
