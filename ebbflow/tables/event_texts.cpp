#include "ebbflow/tables/event_texts.h"

#include "geo/angle_text.h"
#include "geo/int_text.h"
#include "geo/position_text.h"
#include "timezones/time_text.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace ebbflow {
namespace {

using timezones::SecondsPerMinute;

constexpr int HeightDecimals = 2, SpeedDecimals = 1;
constexpr int FullTurn = 360;
constexpr const char* Weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
// The longest span whose changes of the clocks are looked for at once.
constexpr std::int64_t LongestZoneSpan = 5 * 366 * std::int64_t{timezones::SecondsPerDay};

timezones::UtcSeconds ToMinute(double utc)
{
    const timezones::UtcSeconds s = timezones::RoundToSecond(utc);
    return (timezones::FloorDiv(s + SecondsPerMinute / 2, SecondsPerMinute)) * SecondsPerMinute;
}

std::string HourMinute(std::int32_t secondOfDay)
{
    return timezones::FormatTimeOfDay(secondOfDay).substr(0, 5);
}

std::string Offset(const timezones::Zone& zone, timezones::UtcSeconds t)
{
    const timezones::LocalType type = zone.TypeAt(t);
    return type.Abbreviation + " (" + timezones::FormatUtcOffset(type.UtcOffset) + ")";
}

} // namespace

std::string EventKindText(EventKind kind)
{
    switch (kind) {
    case EventKind::High:
        return "High water";
    case EventKind::Low:
        return "Low water";
    case EventKind::Slack:
        return "Slack water";
    case EventKind::MaxFlood:
        return "Max flood";
    case EventKind::MaxEbb:
        return "Max ebb";
    }
    return {};
}

std::string ValueText(double value, Units units)
{
    const bool speed = units == Units::Knots || units == Units::KnotsSquared;
    return geo::DecimalText(value, speed ? SpeedDecimals : HeightDecimals) + " " + std::string(UnitsName(units));
}

std::string DirectionText(std::optional<double> direction)
{
    if (!direction || !std::isfinite(*direction))
        return {};
    const double whole = std::fmod(std::round(*direction), FullTurn);
    std::string text;
    geo::AppendZeroPadded(text, static_cast<std::int64_t>(whole < 0 ? whole + FullTurn : whole), 3);
    return text + "\xC2\xB0";
}

std::string ClockText(double utc, const timezones::Zone& zone)
{
    const timezones::UtcSeconds t = ToMinute(utc);
    return HourMinute(zone.LocalTimeOf(t).SecondOfDay) + " " + zone.TypeAt(t).Abbreviation;
}

std::string DateText(timezones::CivilDate date)
{
    const int weekday = timezones::WeekdayFromDays(timezones::DaysFromCivil(date));
    return std::string(Weekdays[weekday]) + " " + timezones::FormatDate(date);
}

std::string StationKindText(StationKind kind)
{
    switch (kind) {
    case StationKind::ReferenceTide:
        return "reference tide station";
    case StationKind::SubordinateTide:
        return "subordinate tide station";
    case StationKind::ReferenceCurrent:
        return "reference tidal-stream station";
    case StationKind::SubordinateCurrent:
        return "subordinate tidal-stream station";
    }
    return {};
}

std::string PositionText(const Station& station)
{
    if (!station.PositionKnown)
        return "not given";
    return geo::Utf8Text(geo::FormatAngle(geo::AngleFormat::DMdd, false, station.Latitude) + " " +
                         geo::FormatAngle(geo::AngleFormat::DMdd, true, station.Longitude));
}

std::string UnitsText(const Station& station, Units units)
{
    if (station.IsCurrent())
        return "kn, flood positive, ebb negative";
    const std::string datum = station.Datum.empty() ? "the station's datum" : station.Datum;
    return std::string(UnitsName(units)) + " above " + datum;
}

std::string ReadingText(const Station& station, const Reading& reading, Units units)
{
    if (station.IsCurrent()) {
        if (reading.Value == 0)
            return "slack";
        const std::string speed = ValueText(std::abs(reading.Value), Units::Knots);
        const std::string direction = DirectionText(reading.Direction);
        return speed + (reading.Value > 0 ? " flood" : " ebb") + (direction.empty() ? "" : ", " + direction);
    }
    const std::string datum = station.Datum.empty() ? "the station's datum" : station.Datum;
    const std::string magnitude = ValueText(std::abs(reading.Value), units);
    if (magnitude.starts_with("0.00 "))
        return magnitude + " on " + datum;
    return magnitude + (reading.Value > 0 ? " above " : " below ") + datum;
}

std::string ZoneText(const timezones::Zone& zone, double fromUtc, double toUtc)
{
    timezones::UtcSeconds t = timezones::RoundToSecond(fromUtc);
    const timezones::UtcSeconds end = timezones::RoundToSecond(toUtc);
    // "UTC (+00:00)", "ZD +5 (-05:00)": a zone that is its own abbreviation
    // is named once.
    const std::string first = Offset(zone, t);
    std::string text = first.starts_with(zone.Name() + " (") ? first : zone.Name() + ", " + first;
    while (t < end) {
        const std::optional<timezones::UtcSeconds> change = zone.NextOffsetChange(t, std::min(end - t, LongestZoneSpan));
        if (!change || *change >= end)
            break;
        t = *change;
        const timezones::LocalDateTime local = zone.LocalTimeOf(t);
        text += "; " + Offset(zone, t) + " from " + DateText(local.Date) + " " + HourMinute(local.SecondOfDay);
    }
    return text;
}

std::string NoticeText(const TideDatabase& db)
{
    std::string terms;
    for (const std::string& restriction : db.Notice().Restrictions)
        terms += (terms.empty() ? "" : ", ") + restriction;
    const std::string file = std::filesystem::path(db.File()).filename().string();
    return "Tide data " + file + " of " + db.Notice().LastModified + (terms.empty() ? "" : " (" + terms + ")") +
           ": not for navigation";
}

EventRow RowOf(const TideEvent& event, const timezones::Zone& zone, Units units)
{
    EventRow row;
    row.Date = DateText(zone.LocalTimeOf(ToMinute(event.Time)).Date);
    row.Time = ClockText(event.Time, zone);
    row.Event = EventKindText(event.Kind);
    if (event.Kind != EventKind::Slack)
        row.Value = ValueText(event.Value, units);
    row.Direction = DirectionText(event.Direction);
    return row;
}

} // namespace ebbflow
