#include "chart/core/mercator.h"
#include "geo/ellipsoids.h"
#include "legplot/core/sailed_tracks.h"
#include "legplot/core/sailing.h"
#include "legplot/core/voyage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int WGS84 = 22, Intern = 15, Clarke1866 = 4;

// The Mercator ordinate as the textbooks write it, independently of the
// computation's own: psi = asinh(tan phi) - e atanh(e sin phi).
double Ordinate(const geo::Ellipsoid& e, double latDegrees)
{
    const double phi = latDegrees * Pi / 180;
    return e.a * (std::asinh(std::tan(phi)) - e.e * std::atanh(e.e * std::sin(phi)));
}

legplot::VoyagePlan Sail(double lat, double lon, int ellipsoid, std::initializer_list<std::array<double, 3>> legs)
{
    legplot::VoyagePlan plan;
    plan.StartLat = lat;
    plan.StartLon = lon;
    int k = 0;
    for (const auto& [course, speed, hours] : legs) {
        auto& leg = plan.Legs[static_cast<std::size_t>(k++)];
        leg.Course = course;
        leg.Speed = speed;
        leg.Interval = hours;
    }
    legplot::SailVoyage(plan, {2027, 1, 1, "00:00", ellipsoid, geo::AngleFormat::DMdd}, [](int, const auto&) {});
    return plan;
}

TEST(Mercator, EveryPointIsDrawnWhereItsIsometricLatitudeSays)
{
    const struct {
        const char* name;
        legplot::VoyagePlan plan;
    } voyages[] = {
        {"west across 180", Sail(-17.5, -179.2, WGS84, {{{280, 12, 10}}, {{250, 15, 20}}})},
        {"in the south", Sail(-54.8, -68.3, Intern, {{{135, 8, 30}}, {{200, 10, 48}}})},
        {"near 80 N", Sail(79.2, 10.5, Clarke1866, {{{45, 10, 12}}, {{300, 6, 24}}, {{10, 5, 10}}})},
    };
    for (const auto& v : voyages) {
        const geo::Ellipsoid& e = v.plan.CurrentEllipsoid;
        const auto tracks = legplot::SailedTracks(v.plan);
        ASSERT_EQ(tracks.size(), 1u) << v.name;
        std::vector<chart::PlanePoint> plane;
        for (const auto& p : tracks[0].Points)
            plane.push_back(chart::Project(e, p.Lat, p.Lon));
        const chart::View view = chart::FitView(plane, 800, 600, 40);
        const double x0 = view.Width / 2 - view.Centre.X / view.MetresPerPixel;
        const double y0 = view.Height / 2 + view.Centre.Y / view.MetresPerPixel;
        for (const auto& p : tracks[0].Points) {
            const chart::PlanePoint q = chart::Project(e, p.Lat, p.Lon);
            EXPECT_NEAR(view.PixelX(q.X), x0 + e.a * p.Lon * Pi / 180 / view.MetresPerPixel, 1) << v.name;
            EXPECT_NEAR(view.PixelY(q.Y), y0 - Ordinate(e, p.Lat) / view.MetresPerPixel, 1) << v.name;
            EXPECT_TRUE(view.PixelX(q.X) >= 0 && view.PixelX(q.X) <= 800 && view.PixelY(q.Y) >= 0 &&
                        view.PixelY(q.Y) <= 600)
                << v.name << ": fitted";
        }
        if (v.name[0] == 'w') {
            EXPECT_LT(tracks[0].Points.back().Lon, -180) << "runs on past 180 instead of jumping";
        }
    }
}

TEST(Mercator, AFittedVoyageFillsTheViewInTheDirectionItRuns)
{
    const geo::Ellipsoid e = geo::EllipsoidAt(WGS84);
    const chart::PlanePoint from = chart::Project(e, 50, -4);
    const struct {
        const char* name;
        double lat, lon;
    } cases[] = {
        {"due north", 60, -4}, {"due south", 49.99, -4}, {"due east", 50, 6},
        {"due west", 50, -4.01}, {"south-west", 49.9, -4.1},
    };
    for (const auto& c : cases) {
        const chart::PlanePoint to = chart::Project(e, c.lat, c.lon);
        const chart::View view = chart::FitView({from, to}, 800, 600, 40); // 720 x 520 inside the margin
        const double across = std::fabs(view.PixelX(to.X) - view.PixelX(from.X)) / 720;
        const double down = std::fabs(view.PixelY(to.Y) - view.PixelY(from.Y)) / 520;
        EXPECT_NEAR(std::max(across, down), 1, 1e-9) << c.name;
    }
    // A voyage that stays where it starts shows the waters around it.
    EXPECT_EQ(chart::FitView({from, from}, 800, 600, 40).MetresPerPixel, chart::OnePointScale);
}

TEST(Mercator, RhumbLegSailedInStepsStaysOnItsStraightSegment)
{
    const geo::Ellipsoid e = geo::EllipsoidAt(WGS84);
    double phi = 40 * Pi / 180, lambda = 0;
    std::vector<chart::PlanePoint> points{chart::Project(e, 40, 0)};
    for (int step = 0; step < 10; ++step) { // ten hours at 20 knots, an hour at a time
        const legplot::LegChange c = legplot::SailLeg(e, phi, 60, 20, 1);
        phi = c.Phi2;
        lambda += c.DeltaLambda;
        points.push_back(chart::Project(e, phi * 180 / Pi, lambda * 180 / Pi));
    }
    const chart::View view = chart::FitView(points, 1000, 1000, 0);
    const double ax = view.PixelX(points.front().X), ay = view.PixelY(points.front().Y);
    const double bx = view.PixelX(points.back().X), by = view.PixelY(points.back().Y);
    for (const chart::PlanePoint& p : points) {
        const double px = view.PixelX(p.X), py = view.PixelY(p.Y);
        const double off = std::fabs((bx - ax) * (ay - py) - (ax - px) * (by - ay)) / std::hypot(bx - ax, by - ay);
        EXPECT_LT(off, 1.0);
    }
}

TEST(Mercator, GraticuleAndScaleBarTakeRoundValues)
{
    const geo::Ellipsoid e = geo::EllipsoidAt(WGS84);
    const struct {
        double metresPerPixel;
        int stepMinutes;
    } steps[] = {{1, 1}, {50, 5}, {200, 10}, {600, 30}, {1200, 60}, {2000, 120}, {5000, 300},
                 {12000, 600}, {40000, 1800}, {1e6, 1800}};
    for (const auto& s : steps)
        EXPECT_EQ(chart::GraticuleStepMinutes(e, s.metresPerPixel, 90), s.stepMinutes) << s.metresPerPixel;

    const struct {
        double lat, metresPerPixel, miles;
    } bars[] = {{0, 10, 0.5}, {0, 100, 5}, {0, 1000, 50}, {60, 1000, 20}, {60, 5000, 200}, {-70, 1e5, 2000}};
    for (const auto& b : bars) {
        const chart::ScaleBar bar = chart::ScaleBarAt(e, b.lat, b.metresPerPixel, 160);
        EXPECT_EQ(bar.NauticalMiles, b.miles) << b.lat << " " << b.metresPerPixel;
        EXPECT_LE(bar.Pixels, 160);
        EXPECT_GT(bar.Pixels, 60);
    }
    EXPECT_NEAR(chart::LatitudeOf(e, chart::Project(e, 52.25, 0).Y), 52.25, 1e-9);
    EXPECT_EQ(chart::Project(e, 89.9, 0).Y, chart::Project(e, 85, 0).Y) << "held at the useful edge";
}

} // namespace
