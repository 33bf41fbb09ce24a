#include "obsprep/core/plan.h"

#include "astro/astro_error.h"
#include "timezones/time_text.h"

#include <cmath>

namespace obsprep {
namespace {

void RequireSecondOfDay(int second, const char* what)
{
    if (second < 0 || second >= timezones::SecondsPerDay)
        throw PlanError(std::string(what) + " must be a time of day, 00:00:00 to 23:59:59");
}

} // namespace

Plan MakePlan(const PlanRequest& request)
{
    RequireSecondOfDay(request.DrSecondOfDay, "The DR's time");
    if (request.SecondOfDay) RequireSecondOfDay(*request.SecondOfDay, "The time");
    if (request.SetSize != SmallSet && request.SetSize != LargeSet)
        throw PlanError("A set holds 3 or 5 stars, not " + std::to_string(request.SetSize));
    Plan plan;
    plan.Asked = request;
    plan.Dr = {request.DrLatDeg, request.DrLonDeg, 0, request.CourseDeg, request.SpeedKn};
    plan.Day = ShipDay(plan.Dr, request.Date);
    plan.ZoneDifference = ZoneDifference(plan.Dr);
    plan.Dr.DrUtc = static_cast<double>(plan.Day.Start + request.DrSecondOfDay);
    try {
        plan.Times = TwilightsOf(plan.Dr, plan.Day);
        if (request.Utc)
            plan.Utc = request.Utc;
        else if (request.SecondOfDay)
            plan.Utc = InstantInDay(plan.Day, *request.SecondOfDay);
        else {
            plan.Utc = MiddleOfNauticalTwilight(plan.Times, request.When);
            plan.AtTwilight = plan.Utc.has_value();
        }
        if (!plan.Utc) return plan;
        if (!(std::fabs(*plan.Utc - plan.Dr.DrUtc) <= LongestRunSeconds))
            throw PlanError("The time " + (std::isfinite(*plan.Utc) ? timezones::FormatIsoUtc(*plan.Utc) : "given") +
                            " lies more than two days from the DR's; plan from a DR of that day");
        plan.DrThen = DrAt(plan.Dr, *plan.Utc);
        plan.Bodies = BodiesInBand(plan.DrThen->LatDeg, plan.DrThen->LonDeg, *plan.Utc, request.ListOrder);
        plan.Proposed = ProposedSet(plan.Bodies, request.SetSize);
    } catch (const astro::AstroError& e) {
        throw PlanError(e.what());
    }
    return plan;
}

Plan Reordered(Plan plan, Order order)
{
    plan.Asked.ListOrder = order;
    Arrange(plan.Bodies, order);
    return plan;
}

} // namespace obsprep
