#include "wayline/core/composite_track.h"

#include "geo/angle_text.h"
#include "geo/constants.h"
#include "geo/position_text.h"
#include "wayline/core/leg_solution.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>

namespace wayline {
namespace {

constexpr double QuarterTurn = 90.0, HalfTurn = 180.0, FullTurn = 360.0; // degrees

std::string Degrees(double value)
{
    return geo::DecimalText(value) + geo::Utf8Text(std::string(1, geo::DegreeSign));
}

// The reduced (parametric) latitude, in radians, on which Clairaut's
// relation for geodesics holds: cos(beta) sin(azimuth) is the same all along.
double Reduced(double lat, double f)
{
    return std::atan((1 - f) * std::tan(lat / geo::DegreesPerRadian));
}

// The vertex on the parallel `limit` (signed: its hemisphere) of the great
// circle that leaves `p` going east (or west) towards that parallel.
Waypoint VertexFrom(const Earth& earth, const Waypoint& p, double limit, bool east, const char* name)
{
    const double f = earth.F();
    const double cosLimit = std::cos(Reduced(std::fabs(limit), f));
    const double cosHere = std::cos(Reduced(p.Lat, f));
    const double rising = std::asin(std::fmin(1.0, cosLimit / cosHere)) * geo::DegreesPerRadian;
    const double towards = limit > 0 ? rising : HalfTurn - rising; // north or south of east
    const GeographicLib::GeodesicLine line(earth.Geodesic, p.Lat, p.Lon, east ? towards : -towards);
    // A quarter turn of arc past the crossing of the equator (northward or
    // southward) lies the vertex; EquatorialArc counts from the northward one.
    double arc = std::remainder((limit > 0 ? QuarterTurn : -QuarterTurn) - line.EquatorialArc(), FullTurn);
    if (arc < 0) // an end on the limit is its own vertex, whatever the rounding
        arc = 0;
    Waypoint v{name, limit, 0};
    double lat = 0, azimuth = 0;
    line.ArcPosition(arc, lat, v.Lon, azimuth);
    v.Lon = std::remainder(v.Lon, FullTurn);
    return v;
}

// Degrees east from `a` to `b`, 0..360.
double EastOf(double a, double b)
{
    const double d = std::fmod(b - a, FullTurn);
    return d < 0 ? d + FullTurn : d;
}

} // namespace

Route CompositeTrack(const Earth& earth, const Waypoint& from, const Waypoint& to, double limit)
{
    const double bound = std::fabs(limit);
    if (!(bound > 0 && bound < QuarterTurn))
        throw RouteError("the limiting latitude " + geo::DecimalText(limit) + " is not a latitude above 0 and below 90 degrees");
    for (const Waypoint* end : {&from, &to})
        if (!(std::fabs(end->Lat) <= bound))
            throw RouteError((end->Name.empty() ? (end == &from ? "the departure" : "the destination") : end->Name) +
                             " lies beyond the limiting latitude " + Degrees(bound) +
                             ": no composite track reaches it");

    Route route = MakeRoute({from, to}, LegKind::GreatCircle);
    const LegSolution gc = SolveLeg(earth, from, to, LegKind::GreatCircle);
    if (gc.SamePoint || !gc.Vertex || !gc.Vertex->OnLeg || std::fabs(gc.Vertex->Lat) <= bound)
        return route;

    const double signedLimit = gc.Vertex->Lat > 0 ? bound : -bound;
    const double initial = *gc.InitialCourse;
    const bool east = !(initial > HalfTurn && initial < FullTurn); // along a meridian (000, 180): east
    Waypoint first = VertexFrom(earth, from, signedLimit, east, FirstVertexName);
    Waypoint second = VertexFrom(earth, to, signedLimit, !east, SecondVertexName);

    // The vertices in sailing order: the great circle to the limit meets
    // it before the one from it leaves, wherever the great circle between
    // the ends crosses the limit.
    const double span = east ? EastOf(from.Lon, to.Lon) : EastOf(to.Lon, from.Lon);
    const double out = east ? EastOf(from.Lon, first.Lon) : EastOf(first.Lon, from.Lon);
    const double in = east ? EastOf(second.Lon, to.Lon) : EastOf(to.Lon, second.Lon);
    if (out + in > span)
        throw RouteError("no composite track within " + Degrees(bound) + " joins these points");

    route.Points = {from};
    route.Legs.clear();
    const std::pair<const Waypoint*, LegKind> path[] = {
        {&first, LegKind::GreatCircle}, {&second, LegKind::Parallel}, {&to, LegKind::GreatCircle}};
    for (const auto& [p, kind] : path) {
        // An end on the limit is where the track joins or leaves it: no
        // leg of no length, and the destination keeps its name.
        if (SolveLeg(earth, route.Points.back(), *p, LegKind::Rhumb).SamePoint) {
            if (p == &to)
                route.Points.back() = to;
            continue;
        }
        route.Legs.push_back({kind, std::nullopt});
        route.Points.push_back(*p);
    }
    return route;
}

Route WithComposite(const Route& route, std::size_t leg, double limit, const Earth& earth)
{
    if (leg >= route.Legs.size())
        throw RouteError("the route has no leg " + std::to_string(leg + 1));
    const Route composite = CompositeTrack(earth, route.Points[leg], route.Points[leg + 1], limit);
    Route out = route;
    auto at = static_cast<std::ptrdiff_t>(leg);
    out.Points.erase(out.Points.begin() + at, out.Points.begin() + at + 2);
    out.Points.insert(out.Points.begin() + at, composite.Points.begin(), composite.Points.end());
    out.Legs.erase(out.Legs.begin() + at);
    for (Leg l : composite.Legs) {
        l.Speed = route.Legs[leg].Speed;
        out.Legs.insert(out.Legs.begin() + at++, l);
    }
    return out;
}

} // namespace wayline
