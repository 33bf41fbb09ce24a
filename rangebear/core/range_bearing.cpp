#include "rangebear/core/range_bearing.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>

namespace rangebear {
namespace {

// Courses as a navigator reads them: 0 up to, not including, 360.
double Course(double azimuth)
{
    const double c = std::fmod(azimuth + 360.0, 360.0);
    return c >= 360.0 ? 0.0 : c;
}

} // namespace

RangeBearing Solve(const geo::Ellipsoid& ellipsoid, double lat1, double lon1, double lat2, double lon2)
{
    // The axes, not the stored flattening: several catalogue rows carry a
    // flattening that does not agree with them.
    const double f = (ellipsoid.a - ellipsoid.b) / ellipsoid.a;
    const GeographicLib::Geodesic geodesic(ellipsoid.a, f);
    const GeographicLib::Rhumb rhumb(ellipsoid.a, f);

    RangeBearing r;
    double s12 = 0, azi1 = 0, azi2 = 0;
    const double a12 = geodesic.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    r.GeodesicDistance = s12;
    r.InitialCourse = Course(azi1);
    r.FinalCourse = Course(azi2);
    double rhumbAzimuth = 0;
    rhumb.Inverse(lat1, lon1, lat2, lon2, r.RhumbDistance, rhumbAzimuth);
    r.RhumbCourse = Course(rhumbAzimuth);
    r.SamePoint = s12 == 0;
    // Opposite points (half a turn of arc) are joined by more than one
    // shortest way, and so are points on the equator farther apart than
    // (1 - f) half turns, whose shortest ways pass either pole.
    const double apart = std::fabs(std::remainder(lon2 - lon1, 360.0));
    r.NotUnique = !r.SamePoint && (std::fabs(a12 - 180) < 1e-9 || (lat1 == 0 && lat2 == 0 && apart >= (1 - f) * 180));
    return r;
}

} // namespace rangebear
