#include "chart/core/mercator.h"

#include "geo/arcs.h"
#include "legplot/core/sailing.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chart {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MetresPerNauticalMile = 1852.0;

double Radians(double degrees) { return degrees * Pi / 180.0; }

double Clamp(double lat) { return std::clamp(lat, -UsefulLatitude, UsefulLatitude); }

} // namespace

PlanePoint Project(const geo::Ellipsoid& ellipsoid, double latDegrees, double lonDegrees)
{
    if (!std::isfinite(latDegrees) || !std::isfinite(lonDegrees))
        return {};
    return {ellipsoid.a * Radians(lonDegrees),
            ellipsoid.a * legplot::IsometricLatitude(Radians(Clamp(latDegrees)), ellipsoid.e)};
}

double LatitudeOf(const geo::Ellipsoid& ellipsoid, double y)
{
    // psi is monotonic in phi: bisection to a hair, on a bounded interval.
    double low = -UsefulLatitude, high = UsefulLatitude;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (Project(ellipsoid, mid, 0).Y < y ? low : high) = mid;
    }
    return (low + high) / 2;
}

double CoarsestScale(const geo::Ellipsoid& ellipsoid, double width)
{
    return 2 * Pi * ellipsoid.a / std::max(width, 1.0);
}

View FitView(const std::vector<PlanePoint>& points, double width, double height, double marginPixels)
{
    View view;
    view.Width = std::max(width, 1.0);
    view.Height = std::max(height, 1.0);
    if (points.empty())
        return view;
    const auto [left, right] = std::ranges::minmax(points, {}, &PlanePoint::X);
    const auto [bottom, top] = std::ranges::minmax(points, {}, &PlanePoint::Y);
    view.Centre = {(left.X + right.X) / 2, (bottom.Y + top.Y) / 2};
    const double across = std::max(view.Width - 2 * marginPixels, 1.0);
    const double down = std::max(view.Height - 2 * marginPixels, 1.0);
    view.MetresPerPixel = std::max({(right.X - left.X) / across, (top.Y - bottom.Y) / down, FinestScale});
    if (right.X == left.X && top.Y == bottom.Y)
        view.MetresPerPixel = OnePointScale; // the waters around it, not its metre

    return view;
}

int GraticuleStepMinutes(const geo::Ellipsoid& ellipsoid, double metresPerPixel, double minimumPixels)
{
    constexpr std::array<int, 9> Steps = {1, 5, 10, 30, 60, 120, 300, 600, 1800};
    for (const int step : Steps)
        if (ellipsoid.a * Radians(step / 60.0) / metresPerPixel >= minimumPixels)
            return step;
    return Steps.back();
}

ScaleBar ScaleBarAt(const geo::Ellipsoid& ellipsoid, double latDegrees, double metresPerPixel, double maximumPixels)
{
    // Ground metres of one pixel at that latitude: the plane's scale there
    // is a / (N cos phi).
    const double phi = Radians(Clamp(latDegrees));
    const double ground = metresPerPixel * geo::PrimeVerticalRadius(ellipsoid, phi) * std::cos(phi) / ellipsoid.a;
    const double longest = maximumPixels * ground / MetresPerNauticalMile;
    if (!(longest > 0) || !std::isfinite(longest))
        return {};
    double miles = std::pow(10.0, std::floor(std::log10(longest)));
    for (const double factor : {5.0, 2.0})
        if (miles * factor <= longest) {
            miles *= factor;
            break;
        }
    return {miles, miles * MetresPerNauticalMile / ground};
}

} // namespace chart
