#include "wayline/core/leg_solution.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>

namespace wayline {
namespace {

constexpr double QuarterTurn = 90.0, HalfTurn = 180.0, FullTurn = 360.0; // degrees
constexpr double OppositeArc = 1e-9; // degrees of arc from half a turn that count as opposite

// Arcs measured from the start of the line, brought into -180..180.
double ArcFromStart(double arc)
{
    return std::remainder(arc, FullTurn);
}

// A great circle along the equator: both ends on it, steered east or west.
bool AlongEquator(const Waypoint& from, const Waypoint& to, double azimuth)
{
    return from.Lat == 0 && to.Lat == 0 && std::fabs(azimuth) == QuarterTurn;
}

} // namespace

std::optional<Vertex> GreatCircleVertex(const Earth& earth, const Waypoint& from, const Waypoint& to)
{
    const GeographicLib::GeodesicLine line = earth.Geodesic.InverseLine(from.Lat, from.Lon, to.Lat, to.Lon);
    if (line.Distance() == 0 || AlongEquator(from, to, line.Azimuth()))
        return std::nullopt;
    // The vertices lie a quarter turn of arc on either side of the line's
    // crossings of the equator; EquatorialArc is the arc from the
    // northward crossing to the start.
    const double north = ArcFromStart(QuarterTurn - line.EquatorialArc());
    const double south = ArcFromStart(north + HalfTurn);
    const double middle = line.Arc() / 2;
    const double arc = std::fabs(north - middle) <= std::fabs(south - middle) ? north : south;
    Vertex v;
    double azimuth = 0;
    line.ArcPosition(arc, v.Lat, v.Lon, azimuth);
    v.Lon = std::remainder(v.Lon, FullTurn);
    // A vertex at an end of the leg (a composite track's legs end there)
    // may come out a rounding beyond it: within 1e-9 degrees of arc
    // (0.1 mm) it is on the leg.
    constexpr double AtTheEnd = 1e-9;
    v.OnLeg = arc >= -AtTheEnd && arc <= line.Arc() + AtTheEnd;
    return v;
}

LegSolution SolveLeg(const Earth& earth, const Waypoint& from, const Waypoint& to, LegKind kind)
{
    LegSolution s;
    s.Kind = kind;
    if (kind == LegKind::GreatCircle) {
        double azi1 = 0, azi2 = 0;
        const double arc = earth.Geodesic.Inverse(from.Lat, from.Lon, to.Lat, to.Lon, s.Metres, azi1, azi2);
        s.SamePoint = s.Metres == 0;
        if (!s.SamePoint) {
            s.InitialCourse = Course(azi1);
            s.FinalCourse = Course(azi2);
        }
        const double apart = std::fabs(std::remainder(to.Lon - from.Lon, FullTurn));
        s.NotUnique = !s.SamePoint && (std::fabs(arc - HalfTurn) < OppositeArc ||
                                       (from.Lat == 0 && to.Lat == 0 && apart >= (1 - earth.F()) * HalfTurn));
        s.Vertex = GreatCircleVertex(earth, from, to);
        return s;
    }
    double azimuth = 0;
    earth.Rhumb.Inverse(from.Lat, from.Lon, to.Lat, to.Lon, s.Metres, azimuth);
    s.SamePoint = s.Metres == 0;
    if (!s.SamePoint)
        s.Course = Course(azimuth);
    return s;
}

} // namespace wayline
