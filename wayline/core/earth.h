// The ellipsoid a route is computed on, as defined (semi-major axis and
// flattening as published: geo::DefinedEllipsoid), with GeographicLib's
// geodesic and rhumb-line solutions on it.
#pragma once

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

namespace wayline {

class Earth {
public:
    // Row `ellipsoidIndex` of the catalogue (geo::Wgs84Index for WGS 84);
    // throws geo::RangeError outside 0..24.
    explicit Earth(int ellipsoidIndex);

    double A() const { return Geodesic.EquatorialRadius(); } // semi-major axis (metres)
    double F() const { return Geodesic.Flattening(); }       // flattening, 0 for the sphere

    const GeographicLib::Geodesic Geodesic; // exact geodesics (GeographicLib's series, to nanometres)
    const GeographicLib::Rhumb Rhumb;       // exact rhumb lines (elliptic integrals)
};

// Courses as a navigator reads them: 0 up to, not including, 360 degrees.
double Course(double azimuth);

} // namespace wayline
