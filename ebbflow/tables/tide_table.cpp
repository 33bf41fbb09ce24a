#include "ebbflow/tables/tide_table.h"

#include "ebbflow/tables/event_texts.h"
#include "geo/position_text.h"
#include "timezones/time_text.h"

#include <algorithm>

namespace ebbflow {
namespace {

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

std::string Ordinal(std::size_t n)
{
    const std::size_t tens = n % 100, ones = n % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th" : ones == 1 ? "st" : ones == 2 ? "nd" : ones == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

std::string Letter(EventKind kind)
{
    switch (kind) {
    case EventKind::High:
        return "H";
    case EventKind::Low:
        return "L";
    case EventKind::Slack:
        return "S";
    case EventKind::MaxFlood:
        return "F";
    case EventKind::MaxEbb:
        return "E";
    }
    return {};
}

// "07:40 H 4.52": the clock without its abbreviation, which the zone's
// line gives; "05:50 S" for a slack.
std::string Cell(const TideEvent& e, const timezones::Zone& zone)
{
    const std::string clock = ClockText(e.Time, zone);
    std::string cell = clock.substr(0, clock.find(' ')) + " " + Letter(e.Kind);
    if (e.Kind != EventKind::Slack)
        cell += " " + geo::DecimalText(e.Value, e.Kind == EventKind::High || e.Kind == EventKind::Low ? 2 : 1);
    return cell;
}

} // namespace

TideTable MonthTable(const TideDatabase& db, const Station& station, const timezones::Zone& zone, int year, int month,
                     HeightUnits units)
{
    const DaySpan span = SpanOf(SpanKind::Month, {year, month, 1});
    const UtcSpan utc = UtcSpanOf(zone, span.First, span.Days);
    const Units shown = ValueUnits(station, units);
    const std::vector<DayEvents> days =
        EventsByDay(PredictEvents(db, station, utc.From, utc.To, units), zone, span.First, span.Days);

    TideTable table;
    const bool stream = station.IsCurrent();
    table.Title = std::string(stream ? "Tidal Stream Table : " : "Tide Table : ") + station.Name + ", " +
                  MonthNames[month - 1] + " " + std::to_string(year);
    table.Inputs.emplace_back("Times", ZoneText(zone, utc.From, utc.To));
    if (stream) {
        std::string letters = "S slack water, F max flood";
        const std::string flood = DirectionText(station.FloodDirection), ebb = DirectionText(station.EbbDirection);
        letters += (flood.empty() ? "" : " " + flood) + ", E max ebb" + (ebb.empty() ? "" : " " + ebb);
        table.Inputs.emplace_back("Speeds", UnitsText(station, shown) + "; " + letters);
    } else {
        table.Inputs.emplace_back("Heights", UnitsText(station, shown) + "; H high water, L low water");
    }
    std::size_t most = 1;
    for (const DayEvents& day : days)
        most = std::max(most, day.Events.size());
    table.Headings.push_back("Day");
    for (std::size_t i = 1; i <= most; ++i)
        table.Headings.push_back(Ordinal(i));
    for (const DayEvents& day : days) {
        const std::string date = DateText(day.Date);
        std::vector<std::string> row{date.substr(0, 4) + date.substr(date.size() - 2)};
        for (const TideEvent& e : day.Events)
            row.push_back(Cell(e, zone));
        table.Rows.push_back(std::move(row));
    }
    table.Notes.push_back(NoticeText(db));
    return table;
}

std::string EventsCsv(const std::vector<TideEvent>& events, const timezones::Zone& zone, Units units)
{
    std::string csv = "time,kind,value,unit\r\n";
    const std::string unit(UnitsName(units));
    for (const TideEvent& e : events)
        csv += timezones::FormatIso(e.Time, zone) + "," + std::string(EventKindName(e.Kind)) + "," +
               geo::DecimalText(e.Value) + "," + unit + "\r\n";
    return csv;
}

} // namespace ebbflow
