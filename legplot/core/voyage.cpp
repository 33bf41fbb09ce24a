#include "legplot/core/voyage.h"

#include "geo/errors.h"

#include <cmath>

namespace legplot {
namespace {

constexpr std::int32_t SecondsPerHour = 3600;
constexpr double LongestInterval = 1e9;  // hours; keeps the seconds within 64 bits

double ToDegrees(double radians)
{
    return static_cast<double>(radians * DegreesPerRadian);
}

double ToRadians(double degrees)
{
    return static_cast<double>(degrees / DegreesPerRadian);
}

std::int64_t IntervalSeconds(double hours)
{
    if (!(std::fabs(hours) <= LongestInterval))
        throw geo::RangeError();
    // Rounded to the nearest second, halves to even.
    return std::llrint(static_cast<long double>(hours) * SecondsPerHour);
}

// Sails leg k from the running position and clock, stores its results,
// shows them and moves the running position and clock to its end.
void SailNextLeg(VoyagePlan& plan, int k, const VoyageInputs& in, double& phi, double& lambda, ClockStamp& clock,
                 const std::function<void(int leg, const LegTexts&)>& show)
{
    Leg& leg = plan.Legs[static_cast<std::size_t>(k - 1)];

    // The position is sailed for every leg, empty or not, so a bad leg
    // fails the same way whether or not it has an interval.
    const LegChange change = SailLeg(plan.CurrentEllipsoid, phi, leg.Course, leg.Speed, leg.Interval);
    double phi2 = change.Phi2;
    double lambda2 = static_cast<double>(static_cast<long double>(lambda) + change.DeltaLambda);

    ClockStamp arrival = clock;
    if (leg.Interval != 0) {
        arrival = AddSeconds(clock, IntervalSeconds(leg.Interval));
    } else {
        phi2 = 0;
        lambda2 = 0;
    }

    const double endLat = ToDegrees(phi2);
    const double endLon = ToDegrees(lambda2);
    if (!std::isfinite(endLat) || !std::isfinite(endLon))
        throw geo::InvalidOperation();
    leg.EndLat = endLat;
    leg.EndLon = endLon;
    leg.ArrivalTime = arrival.Seconds;
    leg.ArrivalDate = arrival.Day;
    leg.Computed = true;

    show(k, LegTexts{geo::FormatAngle(in.Format, false, leg.EndLat), geo::FormatAngle(in.Format, true, leg.EndLon),
                     DateText(leg.ArrivalDate, in.DateSeparator), TimeText(leg.ArrivalTime, in.TimeSeparator)});

    clock = arrival;
    phi = phi2;
    lambda = lambda2;
}

} // namespace

void SailVoyage(VoyagePlan& plan, const VoyageInputs& in, const std::function<void(int leg, const LegTexts&)>& show)
{
    double phi = ToRadians(plan.StartLat);
    double lambda = ToRadians(plan.StartLon);

    const DayNumber departureDay = DayNumberOf(in.Year, in.Month, in.Day);
    if (departureDay == NoDate)
        throw geo::RangeError();
    plan.Departure.Day = departureDay;
    plan.DepartureDateText = DateText(departureDay, in.DateSeparator);

    plan.Departure.Seconds = TimeOfDay(SplitTimeText(in.TimeText));
    plan.DepartureTimeText = in.TimeText;

    plan.CurrentEllipsoid = geo::EllipsoidAt(in.EllipsoidIndex);
    ClockStamp clock = plan.Departure;

    for (int k = 1; k <= LegCount; ++k) {
        try {
            SailNextLeg(plan, k, in, phi, lambda, clock, show);
        } catch (...) {
            // A leg that cannot be sailed leaves it and the legs after it
            // without figures.
            for (int j = k; j <= LegCount; ++j)
                plan.Legs[static_cast<std::size_t>(j - 1)].Computed = false;
            throw;
        }
    }
}

} // namespace legplot
