#include "ebbflow/core/prediction.h"

#include "ebbflow/core/harmonics.h"
#include "ebbflow/core/reference_events.h"
#include "ebbflow/core/tide_errors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ebbflow {
namespace {

constexpr double SecondsPerMinute = 60.0;
// Beyond the largest time offset of a subordinate station (libtcd's 13 bits
// of hours and minutes stay below 41 hours), so that its shifted events
// cover the span asked for.
constexpr double OffsetMargin = 42 * SecondsPerHour;

std::optional<double> DirectionOf(const Station& station, const TideEvent& e)
{
    if (e.Kind == EventKind::MaxFlood)
        return station.FloodDirection;
    if (e.Kind == EventKind::MaxEbb)
        return station.EbbDirection;
    return std::nullopt;
}

// The minutes a subordinate station's slack is shifted by.
int SlackMinutes(const Station& station, bool floodBegins)
{
    const std::optional<int>& own = floodBegins ? station.FloodBegins : station.EbbBegins;
    if (own)
        return *own;
    return (station.High.Minutes + station.Low.Minutes) / 2;
}

std::vector<TideEvent> SubordinateEvents(const TideDatabase& db, const Station& station, double fromUtc, double toUtc)
{
    const Station& reference = db.StationAt(station.Reference);
    std::vector<TideEvent> events;
    for (const ReferenceEvent& r :
         ReferenceEvents(db.Harmonics(), reference, fromUtc - OffsetMargin, toUtc + OffsetMargin)) {
        TideEvent e = r.Event;
        int minutes = 0;
        if (e.Kind == EventKind::Slack) {
            minutes = SlackMinutes(station, r.Rising);
        } else {
            const bool high = e.Kind == EventKind::High || e.Kind == EventKind::MaxFlood;
            const EventOffset& offset = high ? station.High : station.Low;
            minutes = offset.Minutes;
            e.Value = ConvertedValue(e.Value, reference.Unit, station.Unit) * offset.Ratio + offset.Add;
        }
        e.Time += minutes * SecondsPerMinute;
        if (e.Time >= fromUtc && e.Time < toUtc)
            events.push_back(e);
    }
    std::stable_sort(events.begin(), events.end(), [](const TideEvent& a, const TideEvent& b) { return a.Time < b.Time; });
    return events;
}

} // namespace

void CheckPredictionSpan(double fromUtc, double toUtc)
{
    if (!std::isfinite(fromUtc) || !std::isfinite(toUtc))
        throw PredictionError("The time is not a number");
    if (toUtc - fromUtc > LongestSpanSeconds)
        throw PredictionError("Predictions are made for four years at most at a time");
}

double ConvertedValue(double value, Units from, Units to)
{
    if (from == Units::Feet && to == Units::Metres)
        return value * MetresPerFoot;
    if (from == Units::Metres && to == Units::Feet)
        return value / MetresPerFoot;
    return value;
}

Units ValueUnits(const Station& station, HeightUnits units)
{
    if (station.IsCurrent())
        return Units::Knots;
    switch (units) {
    case HeightUnits::Feet:
        return Units::Feet;
    case HeightUnits::Metres:
        return Units::Metres;
    default:
        return station.Unit;
    }
}

std::vector<TideEvent> PredictEvents(const TideDatabase& db, const Station& station, double fromUtc, double toUtc,
                                     HeightUnits units)
{
    CheckPredictionSpan(fromUtc, toUtc);
    std::vector<TideEvent> events;
    if (station.IsReference()) {
        for (const ReferenceEvent& r : ReferenceEvents(db.Harmonics(), station, fromUtc, toUtc))
            events.push_back(r.Event);
    } else {
        events = SubordinateEvents(db, station, fromUtc, toUtc);
    }
    const Units shown = ValueUnits(station, units);
    for (TideEvent& e : events) {
        e.Value = ConvertedValue(e.Value, station.Unit, shown);
        e.Direction = DirectionOf(station, e);
    }
    return events;
}

Reading PredictAt(const TideDatabase& db, const Station& station, double utc, HeightUnits units)
{
    CheckPredictionSpan(utc, utc);
    if (!station.IsReference())
        throw PredictionError(station.Name + " is a subordinate station: it is predicted at its " +
                              (station.IsCurrent() ? "slack waters and strongest flood and ebb" : "high and low waters") +
                              " only");
    const YearTerms terms = TermsOfYear(db.Harmonics(), station, MeridianYear(station, utc));
    Reading reading;
    reading.Value = ConvertedValue(StationValue(station, Sum(terms, utc).Value), station.Unit, ValueUnits(station, units));
    if (station.IsCurrent() && reading.Value != 0)
        reading.Direction = reading.Value > 0 ? station.FloodDirection : station.EbbDirection;
    return reading;
}

std::string_view EventKindName(EventKind kind)
{
    switch (kind) {
    case EventKind::High:
        return "high";
    case EventKind::Low:
        return "low";
    case EventKind::Slack:
        return "slack";
    case EventKind::MaxFlood:
        return "max_flood";
    case EventKind::MaxEbb:
        return "max_ebb";
    }
    return "";
}

std::string_view StationKindName(StationKind kind)
{
    switch (kind) {
    case StationKind::ReferenceTide:
        return "reference_tide";
    case StationKind::SubordinateTide:
        return "subordinate_tide";
    case StationKind::ReferenceCurrent:
        return "reference_current";
    case StationKind::SubordinateCurrent:
        return "subordinate_current";
    }
    return "";
}

std::string_view UnitsName(Units units)
{
    switch (units) {
    case Units::Feet:
        return "ft";
    case Units::Metres:
        return "m";
    default:
        return "kn";
    }
}

} // namespace ebbflow
