// Routes as GPX files hold them (GPX 1.1, read from 1.0 too): <rte> with
// its <rtept lat lon>, <name> and <time>, and the plotter extensions for
// the planned speed and departure in OpenCPN's namespace:
//
//   <rte>
//     <name>Plymouth to Brest</name>
//     <extensions>
//       <opencpn:planned_speed>6.00</opencpn:planned_speed>                   knots, the route's
//       <opencpn:planned_departure>2027-06-15T06:30:00Z</opencpn:planned_departure>
//     </extensions>
//     <rtept lat="50.3654" lon="-4.1427">
//       <time>2027-06-15T06:30:00Z</time>
//       <name>Plymouth</name>
//       <extensions>
//         <opencpn:rte_properties planned_speed="5.5"/>  knots, the leg that ends here
//         <wayline:leg kind="great_circle"/>             the line of the leg that ends here
//       </extensions>
//     </rtept>
//     ...
//
// Everything else in a route or a point (other GPX elements such as <sym>
// or <desc>, other extensions, other attributes of rte_properties) is kept
// and written back unchanged where it was. From GPX 1.0 the elements 1.1
// also has are kept as 1.1's, the others (<url>, <course>, and extensions
// standing in the point itself) go into 1.1's <extensions>; an element in
// no namespace is taken as GPX 1.1's. Waypoints, tracks and the file's
// metadata are counted, not kept: a file written holds its routes.
#pragma once

#include "wayline/core/route.h"
#include "wayline/files/kept_xml.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <vector>

namespace wayline {

inline constexpr const char* Gpx11Namespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* Gpx10Namespace = "http://www.topografix.com/GPX/1/0";
inline constexpr const char* OpenCpnNamespace = "http://www.opencpn.org";

// Bounds on what a file may hold. Far above any route a plotter makes (a
// few hundred points); tracks and waypoints in the same file count towards
// the size only.
inline constexpr std::size_t LargestGpxFile = 16 * 1024 * 1024; // bytes
inline constexpr std::size_t LargestRoutes = 1000;
inline constexpr std::size_t LargestRoutePoints = 10000; // in one route
inline constexpr std::size_t LargestGpxName = 256;       // characters (UTF-16 code units)

// A file refused; what() is the whole message the window and the command
// line show: "The route could not be opened from <file>: <reason>".
class GpxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a route point holds beside its position and name.
struct GpxPoint {
    std::optional<double> Time;       // <time>, UTC seconds since 1970
    std::vector<KeptNode> Elements;   // other GPX elements, in the order read
    std::vector<KeptNode> Extensions; // the children of <extensions>, rte_properties among them

    bool operator==(const GpxPoint&) const = default;
};

enum class DepartureSource {
    None,
    Planned,        // opencpn:planned_departure
    FirstPointTime, // the first point's <time>, as the dead-reckoning export writes its start
};

struct GpxRoute {
    // Name, points, speeds, departure and the legs' kinds: a rhumb line,
    // of which GPX says nothing, unless this program's own extension at
    // the leg's end says otherwise (leg_kind_extension.h).
    Route Plan;
    std::vector<GpxPoint> Points;     // beside Plan.Points (missing ones hold nothing)
    std::vector<KeptNode> Elements;   // other GPX elements of <rte> (<desc>, <link>, ...)
    std::vector<KeptNode> Extensions; // the children of the route's <extensions>
    DepartureSource Departure = DepartureSource::None;

    bool operator==(const GpxRoute&) const = default;
};

struct GpxDocument {
    std::vector<GpxRoute> Routes; // at least one, in the file's order
    std::size_t Tracks = 0;       // <trk>s in the file, not read
    std::size_t Waypoints = 0;    // <wpt>s in the file, not read
    bool Version10 = false;       // read from GPX 1.0 (written as 1.1)
};

// The route of a plan made here, with nothing kept beside it.
GpxRoute GpxRouteOf(Route plan);

// The route sailed back (Reversed), every point with what it holds.
GpxRoute Reversed(const GpxRoute& route);

} // namespace wayline
