// A passage plan as a navigator lays it down: waypoints in sailing order,
// the kind of line each leg is steered along, the planned speeds and the
// departure.
//
// Positions are signed decimal degrees (north and east positive) on the
// ellipsoid the route is computed on; speeds are knots (nautical miles of
// 1852 m per hour); instants are UTC seconds since 1970-01-01T00:00:00Z.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wayline {

// A route the computation cannot take, or a file or an option that asks
// for one; what() is the message the window and the command line show.
class RouteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class LegKind {
    Rhumb,       // the line of constant course
    GreatCircle, // the geodesic: the shortest way on the ellipsoid
    Parallel,    // along a parallel (a rhumb line of course 090 or 270); both ends on it
};

struct Waypoint {
    std::string Name; // UTF-8; empty where the route calls it by its place (WP1, WP2, ...)
    double Lat = 0;   // degrees, -90..90
    double Lon = 0;   // degrees, any (shown brought into -180..180)

    bool operator==(const Waypoint&) const = default;
};

struct Leg {
    LegKind Kind = LegKind::Rhumb;
    std::optional<double> Speed; // knots, >= 0; the route's speed where none

    bool operator==(const Leg&) const = default;
};

struct Route {
    std::string Name;                // UTF-8
    std::vector<Waypoint> Points;    // in sailing order
    std::vector<Leg> Legs;           // Legs[i] joins Points[i] to Points[i + 1]
    std::optional<double> Speed;     // knots, for legs without a speed of their own
    std::optional<double> Departure; // UTC seconds since 1970, from the first point

    bool operator==(const Route&) const = default;
};

// The points joined by legs of one kind, without speeds of their own.
Route MakeRoute(std::vector<Waypoint> points, LegKind kind = LegKind::Rhumb);

// The name of point `index` (from 0): its own, or "WP<index + 1>" where it
// has none (or only blanks).
std::string WaypointName(const Route& route, std::size_t index);

// Throws RouteError, naming the point or leg, unless every latitude is a
// number in -90..90, every longitude a finite number, every speed a finite
// number >= 0, the departure finite, a parallel leg's ends on one parallel,
// and there is one leg fewer than points (none for a single point or none).
void CheckRoute(const Route& route);

// The route sailed back: the points in the opposite order, every leg with
// its kind and its speed; the name, the route's speed and the departure
// (now from the old destination) as they were.
Route Reversed(const Route& route);

// Every leg of `kind` (the command line's --gc and --rhumb). A leg along a
// parallel taken as a rhumb line is the same line.
Route WithKind(Route route, LegKind kind);

// Every leg at `knots` (the command line's --speed).
Route WithSpeed(Route route, double knots);

} // namespace wayline
