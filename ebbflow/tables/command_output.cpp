#include "ebbflow/tables/command_output.h"

#include "ebbflow/tables/event_texts.h"
#include "geo/angle_text.h"
#include "geo/position_text.h"
#include "platform/command_line/json.h"
#include "timezones/time_text.h"

#include <algorithm>
#include <array>

namespace ebbflow {
namespace {

using cli::Json;
using cli::JsonObject;

Json StationJson(const Station& station, HeightUnits units)
{
    return JsonObject()
        .Add("name", Json::String(station.Name))
        .Add("kind", Json::String(StationKindName(station.Kind)))
        .Add("latitude_deg", Json::Number(station.Latitude))
        .Add("longitude_deg", Json::Number(station.Longitude))
        .Add("datum", station.IsCurrent() ? Json::Null() : Json::String(station.Datum))
        .Add("units", Json::String(UnitsName(ValueUnits(station, units))))
        .Add("zone", station.Zone.empty() ? Json::Null() : Json::String(station.Zone))
        .Value();
}

// "height", or "speed_kn" and (for events) "direction_deg".
JsonObject& WithValue(JsonObject& object, const Station& station, double value, const std::optional<double>* direction)
{
    if (!station.IsCurrent())
        return object.Add("height", Json::Number(value));
    object.Add("speed_kn", Json::Number(value));
    if (direction)
        object.Add("direction_deg", Json::NumberOrNull(*direction));
    return object;
}

std::string Lines(const std::vector<StationLine>& lines)
{
    std::string text;
    for (const auto& [name, value] : lines)
        text += name + ": " + value + "\n";
    return text;
}

// The rows in columns two blanks apart; the last column is not padded.
std::string Table(const std::vector<std::array<std::string, 5>>& rows)
{
    std::array<std::size_t, 5> width{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + (c + 1 < row.size() ? std::string(width[c] - row[c].size() + 2, ' ') : "");
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string NearText(const NearBy& near)
{
    return geo::Utf8Text(geo::FormatAngle(geo::AngleFormat::DMdd, false, near.Latitude) + " " +
                         geo::FormatAngle(geo::AngleFormat::DMdd, true, near.Longitude)) +
           ": " + geo::DecimalText(near.DistanceNm, 2) + " nm away, course " + DirectionText(near.CourseDeg);
}

} // namespace

std::vector<StationLine> StationLines(const TideDatabase& db, const StationChoice& choice)
{
    const Station& s = *choice.Chosen;
    std::vector<StationLine> lines{{"Station", s.Name}, {"Kind", StationKindText(s.Kind)},
                                   {"Position", PositionText(s)}};
    if (choice.Near)
        lines.emplace_back("Nearest to", NearText(*choice.Near));
    if (!s.IsReference())
        lines.emplace_back("Reference station", db.StationAt(s.Reference).Name);
    if (!s.IsCurrent())
        lines.emplace_back("Datum", s.Datum.empty() ? "not named in the data" : s.Datum);
    if (s.IsCurrent() && (s.FloodDirection || s.EbbDirection))
        lines.emplace_back("Directions", "flood " + (s.FloodDirection ? DirectionText(s.FloodDirection) : "not given") +
                                             ", ebb " + (s.EbbDirection ? DirectionText(s.EbbDirection) : "not given"));
    if (s.SpeedsUnreliable)
        lines.emplace_back("Speeds", "not reliable here (the data say so): use the times only");
    if (!s.Notes.empty())
        lines.emplace_back("Notes", s.Notes);
    return lines;
}

std::string EventsJson(const Station& station, HeightUnits units, const timezones::Zone& zone,
                       const std::vector<TideEvent>& events)
{
    std::vector<Json> items;
    for (const TideEvent& e : events) {
        JsonObject item;
        item.Add("time", Json::String(timezones::FormatIso(e.Time, zone)))
            .Add("kind", Json::String(EventKindName(e.Kind)));
        items.push_back(WithValue(item, station, e.Value, &e.Direction).Value());
    }
    return JsonObject().Add("station", StationJson(station, units)).Add("events", Json::Array(items)).Line();
}

std::string ReadingJson(const Station& station, HeightUnits units, const timezones::Zone& zone, double utc,
                        const Reading& reading)
{
    JsonObject at;
    at.Add("time", Json::String(timezones::FormatIso(utc, zone)));
    WithValue(at, station, reading.Value, nullptr);
    return JsonObject()
        .Add("station", StationJson(station, units))
        .Add("events", Json::Array({}))
        .Add("at", at.Value())
        .Line();
}

std::string EventsLines(const TideDatabase& db, const StationChoice& choice, HeightUnits units,
                        const timezones::Zone& zone, const UtcSpan& span, const std::vector<TideEvent>& events)
{
    const Station& s = *choice.Chosen;
    const Units shown = ValueUnits(s, units);
    std::vector<StationLine> lines = StationLines(db, choice);
    lines.emplace_back("Times", ZoneText(zone, span.From, span.To));
    std::string text = Lines(lines);
    if (events.empty()) {
        text += "No events in these days\n";
    } else {
        std::vector<std::array<std::string, 5>> rows{
            {"Date", "Time", "Event", s.IsCurrent() ? "Speed (kn)" : "Height (" + UnitsText(s, shown) + ")",
             s.IsCurrent() ? "Direction" : ""}};
        for (const TideEvent& e : events) {
            const EventRow row = RowOf(e, zone, shown);
            rows.push_back({row.Date, row.Time, row.Event, row.Value, row.Direction});
        }
        text += Table(rows);
    }
    return text + NoticeText(db) + "\n";
}

std::string ReadingLines(const TideDatabase& db, const StationChoice& choice, HeightUnits units,
                         const timezones::Zone& zone, double utc, const Reading& reading)
{
    const Station& s = *choice.Chosen;
    const timezones::UtcSeconds t = timezones::RoundToSecond(utc);
    const timezones::LocalDateTime local = zone.LocalTimeOf(t);
    std::vector<StationLine> lines = StationLines(db, choice);
    lines.emplace_back("At", DateText(local.Date) + " " + timezones::FormatTimeOfDay(local.SecondOfDay) + " " +
                                 zone.TypeAt(t).Abbreviation + " (" + zone.Name() + ")");
    lines.emplace_back(s.IsCurrent() ? "Stream" : "Height", ReadingText(s, reading, ValueUnits(s, units)));
    return Lines(lines) + NoticeText(db) + "\n";
}

} // namespace ebbflow
