#include "wayline/window/route_page.h"

#include "geo/ellipsoids.h"
#include "platform/desktop/latin1.h"
#include "wayline/core/plan_texts.h"

#include <QString>

namespace wayline {
namespace {

std::string Latin1(const std::string& utf8)
{
    return platform::FromQt(QString::fromStdString(utf8));
}

} // namespace

platform::ResultsPage PassagePlanPage(const Route& route, const RoutePlan& plan, int ellipsoid, geo::AngleFormat format)
{
    platform::ResultsPage page;
    page.Title = "Passage Plan" + (route.Name.empty() ? std::string() : " : " + Latin1(route.Name));
    const std::string ellipsoidName(geo::EllipsoidNames.at(static_cast<std::size_t>(ellipsoid)));
    page.Inputs = {{"Ellipsoid", ellipsoidName},
                   {"Departure", route.Departure ? InstantText(*route.Departure) : "none"},
                   {"Speed", route.Speed ? SpeedText(route.Speed) : "none"}};
    for (std::size_t i = 0; i < route.Points.size(); ++i)
        page.Inputs.emplace_back(std::to_string(i + 1) + " " + Latin1(WaypointName(route, i)),
                                 PositionText(format, route.Points[i].Lat, route.Points[i].Lon));
    const TotalTexts totals = TotalsOf(plan);
    page.Results = {{"Total distance", totals.Distance},
                    {"Total time", totals.Time.empty() ? "none" : totals.Time},
                    {"Arrival", totals.Arrival.empty() ? "none" : totals.Arrival}};
    page.Headings = {"Leg", "Kind", "Course", "Final course", "Distance", "Speed", "Time", "ETA"};
    for (std::size_t i = 0; i < plan.Legs.size(); ++i) {
        const LegTexts t = TextsOf(plan.Legs[i], format);
        page.Rows.push_back({std::to_string(i + 1) + "-" + std::to_string(i + 2), t.Kind, t.Course, t.FinalCourse,
                             t.Distance, t.Speed, t.Time, t.Eta});
    }
    page.Notes = {"Courses true; distances in nautical miles of 1852 m on " + ellipsoidName +
                      " as defined; great circles are geodesics.",
                  "Times in UTC; a leg without a speed of its own sails at the route's."};
    return page;
}

} // namespace wayline
