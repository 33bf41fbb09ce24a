// GeographicLib's own tools, GeodSolve -i and RhumbSolve -i, asked once
// for many legs on one ellipsoid as defined: what the route's legs are
// held against, in the core and on the command line.
#pragma once

#include "geo/ellipsoid_definitions.h"
#include "wayline/core/route.h"

#include "program_output.h"

#include <array>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace wayline_test {

struct ReferenceLeg {
    double Azi1 = 0, Azi2 = 0, Geodesic = 0; // the geodesic's courses (degrees) and length (metres)
    double Course = 0, Rhumb = 0;            // the rhumb line's
};

// Each leg is {lat1, lon1, lat2, lon2} in degrees.
inline std::vector<ReferenceLeg> ReferenceLegs(int ellipsoid, const std::vector<std::array<double, 4>>& legs)
{
    const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(ellipsoid);
    std::ostringstream axes, input;
    axes.precision(17);
    input.precision(17);
    axes << e.a << ' ' << e.f;
    for (const auto& [lat1, lon1, lat2, lon2] : legs)
        input << lat1 << ' ' << lon1 << ' ' << lat2 << ' ' << lon2 << '\n';
    const std::string feed = "printf '%s' '" + input.str() + "' | ";
    std::istringstream geodesic(testsupport::ProgramOutput(feed + "GeodSolve -i -p 9 -e " + axes.str()));
    std::istringstream rhumb(testsupport::ProgramOutput(feed + "RhumbSolve -i -p 9 -e " + axes.str()));
    std::vector<ReferenceLeg> out(legs.size());
    double area = 0;
    for (ReferenceLeg& r : out)
        if (!(geodesic >> r.Azi1 >> r.Azi2 >> r.Geodesic) || !(rhumb >> r.Course >> r.Rhumb >> area))
            throw std::runtime_error("GeodSolve or RhumbSolve gave fewer lines than legs");
    return out;
}

inline constexpr int Intern = 15, Sphere = 23; // catalogue rows

// Routes with the edges a navigator's legs meet: across 180, near either
// pole, along the equator and a meridian, across an ocean, on the sphere.
struct RouteCase {
    const char* name;
    int ellipsoid;
    std::vector<wayline::Waypoint> points;
};

inline const RouteCase Routes[] = {
    {"across 180", geo::Wgs84Index, {{"Suva", -18.14, 178.44}, {"", -14.2, -171.7}, {"", -13.8, 179.9}, {"", 21.3, -157.9}}},
    {"near the north pole", geo::Wgs84Index, {{"", 80, 10}, {"", 88, 100}, {"", 89.5, -170}, {"", 85, -60}, {"", 90, 0}}},
    {"near the south pole", Intern, {{"", -70, 170}, {"", -89.9, 10}, {"", -75, -100}}},
    {"along the equator", geo::Wgs84Index, {{"", 0, -30}, {"", 0, 10}, {"", 0, 60}, {"", 0, 170}, {"", 0, -175}}},
    {"along a meridian", Intern, {{"", 60, 5}, {"", -30, 5}, {"", -60, 5}, {"", 50, 5}}},
    {"an ocean crossing", geo::Wgs84Index, {{"Plymouth", 50.3654, -4.1427}, {"Nantucket", 41.0, -69.5}, {"New York", 40.6892, -74.0445}}},
    {"on the sphere", Sphere, {{"", 10, 10}, {"", -20, 100}, {"", 35, -150}}},
};

// Degrees between two courses, across north.
inline double AngleApart(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

} // namespace wayline_test
