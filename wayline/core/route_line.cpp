#include "wayline/core/route_line.h"

#include "wayline/core/leg_solution.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <cmath>

namespace wayline {
namespace {

constexpr double HalfTurn = 180.0, FullTurn = 360.0; // degrees
constexpr double LargestPieces = 720;                // of one great circle, whatever the step

constexpr unsigned Where = GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
                           GeographicLib::Geodesic::LONG_UNROLL;

// The great circle from `from` (its longitude unrolled) to `to`, without
// its first point.
void AddGreatCircle(const Earth& earth, const LinePoint& from, const Waypoint& to, double arcStep,
                    std::vector<LinePoint>& points)
{
    const GeographicLib::GeodesicLine line = earth.Geodesic.InverseLine(from.Lat, from.Lon, to.Lat, to.Lon);
    const double pieces = std::clamp(std::ceil(line.Arc() / arcStep), 1.0, LargestPieces);
    const int n = static_cast<int>(pieces); // 1..720: in range
    for (int i = 1; i <= n; ++i) {
        LinePoint p;
        double azi = 0, s = 0, m12 = 0, M12 = 0, M21 = 0, S12 = 0;
        line.GenPosition(true, line.Arc() * i / n, Where, p.Lat, p.Lon, azi, s, m12, M12, M21, S12);
        points.push_back(p);
    }
    // The waypoint itself, not the sum's last bit; at a pole, on the
    // meridian it is given with, as the geodesic takes it.
    LinePoint& end = points.back();
    end.Lat = to.Lat;
    end.Lon += std::remainder(to.Lon - end.Lon, FullTurn);
}

} // namespace

RouteLine DrawnLine(const Earth& earth, const Route& route, double arcStep)
{
    CheckRoute(route);
    RouteLine line;
    if (route.Points.empty())
        return line;
    const double step = std::isfinite(arcStep) && arcStep > 0 ? arcStep : DrawnArcStep;
    line.Points.push_back({route.Points.front().Lat, route.Points.front().Lon});
    line.WaypointAt.push_back(0);
    for (std::size_t i = 0; i < route.Legs.size(); ++i) {
        const Waypoint& to = route.Points[i + 1];
        const LinePoint from = line.Points.back();
        if (route.Legs[i].Kind == LegKind::GreatCircle) {
            AddGreatCircle(earth, from, to, step, line.Points);
        } else {
            double turn = std::remainder(to.Lon - from.Lon, FullTurn);
            if (std::fabs(turn) == HalfTurn) {
                const LegSolution s = SolveLeg(earth, {"", from.Lat, from.Lon}, to, LegKind::Rhumb);
                turn = s.Course && *s.Course > HalfTurn ? -HalfTurn : HalfTurn;
            }
            line.Points.push_back({to.Lat, from.Lon + turn});
        }
        line.WaypointAt.push_back(line.Points.size() - 1);
    }
    return line;
}

} // namespace wayline
