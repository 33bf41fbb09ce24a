#include "timezones/zone.h"

#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/tzif.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace timezones {
namespace {

constexpr double DegreesPerHour = 15.0;
constexpr double HalfTurn = 180.0;
constexpr int DateLineZone = 12;
// Every offset lies within 26 hours, so the instants of a local time lie
// within this much of it read as UTC.
constexpr std::int64_t MappingReach = 2 * SecondsPerDay;

struct OffsetChange {
    UtcSeconds At;
    std::int32_t Before, After;
};

// The clock reading at a change, as the refusal says it: the time alone on
// the asked local date, the whole date and time on another.
std::string ClockText(std::int64_t localSeconds, CivilDate askedDate)
{
    const LocalDateTime local = LocalDateTimeOf(localSeconds);
    return local.Date == askedDate ? FormatTimeOfDay(local.SecondOfDay) : FormatLocalDateTime(local);
}

} // namespace

int NauticalZoneDifference(double longitudeDeg)
{
    if (!std::isfinite(longitudeDeg)) throw TimeError("The longitude is not a number; zone time needs one");
    const double lon = std::remainder(longitudeDeg, 2 * HalfTurn); // -180..180, exact
    if (std::fabs(lon) == HalfTurn) return DateLineZone;
    return -static_cast<int>(std::round(lon / DegreesPerHour)); // -12..12 here
}

std::string ZoneDifferenceText(int zoneDifferenceHours)
{
    std::string text = "ZD ";
    if (zoneDifferenceHours > 0) text += '+';
    return text + std::to_string(zoneDifferenceHours);
}

Zone::Zone(Kind kind, std::string name, std::int32_t offset, std::shared_ptr<const TzifData> data)
    : kind_(kind), name_(std::move(name)), offset_(offset), data_(std::move(data))
{
}

Zone Zone::Utc() { return Zone(Kind::Utc, "UTC", 0, nullptr); }

Zone Zone::FixedOffset(std::int32_t utcOffsetSeconds)
{
    if (utcOffsetSeconds <= -SecondsPerDay || utcOffsetSeconds >= SecondsPerDay)
        throw TimeError("A UTC offset must be less than 24 hours");
    return Zone(Kind::FixedOffset, FormatUtcOffset(utcOffsetSeconds), utcOffsetSeconds, nullptr);
}

Zone Zone::Nautical(double longitudeDeg)
{
    const int zd = NauticalZoneDifference(longitudeDeg);
    return Zone(Kind::Nautical, ZoneDifferenceText(zd), -zd * SecondsPerHour, nullptr);
}

Zone Zone::FromTzif(const std::string& name, std::string_view bytes, const std::string& fileName)
{
    return Zone(Kind::Named, name, 0, std::make_shared<const TzifData>(ParseTzif(bytes, fileName)));
}

LocalType Zone::TypeAt(UtcSeconds t) const
{
    CheckInstant(t);
    return TypeAtUnchecked(t);
}

LocalType Zone::TypeAtUnchecked(UtcSeconds t) const
{
    if (kind_ != Kind::Named) return {offset_, false, name_};
    const TzifData& data = *data_;
    const auto& times = data.TransitionTimes;
    if (times.empty()) return data.Footer ? PosixTypeAt(*data.Footer, t) : data.Types.front();
    if (t < times.front()) return data.Types.front();
    if (t > times.back() && data.Footer) return PosixTypeAt(*data.Footer, t);
    const auto after = std::upper_bound(times.begin(), times.end(), t);
    return data.Types[data.TransitionTypes[static_cast<std::size_t>(after - times.begin() - 1)]];
}

LocalDateTime Zone::LocalTimeOf(UtcSeconds t) const { return LocalDateTimeOf(t + UtcOffsetAt(t)); }

namespace {

// The instants in (from, to] at which a named zone's type may change: its
// transitions, the footer taking over, the footer's changes.
std::vector<UtcSeconds> Candidates(const TzifData& data, UtcSeconds from, UtcSeconds to)
{
    std::vector<UtcSeconds> candidates;
    const auto& times = data.TransitionTimes;
    for (auto it = std::upper_bound(times.begin(), times.end(), from); it != times.end() && *it <= to; ++it)
        candidates.push_back(*it);
    if (!data.Footer || (!times.empty() && times.back() >= to)) return candidates;
    if (!times.empty() && times.back() >= from) candidates.push_back(times.back() + 1);
    if (!data.Footer->Summer) return candidates;
    const int firstYear = CivilFromDays(FloorDiv(from, SecondsPerDay)).Year - 1;
    const int lastYear = CivilFromDays(FloorDiv(to, SecondsPerDay)).Year + 1;
    for (int year = firstYear; year <= lastYear; ++year)
        for (bool start : {true, false}) {
            const UtcSeconds at = PosixChangeInYear(*data.Footer, year, start);
            if (at > from && at <= to && (times.empty() || at > times.back())) candidates.push_back(at);
        }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

} // namespace

std::optional<UtcSeconds> Zone::NextOffsetChange(UtcSeconds t, std::int64_t horizon) const
{
    CheckInstant(t);
    if (kind_ != Kind::Named || horizon <= 0) return std::nullopt;
    const UtcSeconds to = std::min<std::int64_t>(t + std::min<std::int64_t>(horizon, LastInstant), LastInstant);
    // A year at a time, so a footer's changes are never listed for centuries.
    for (UtcSeconds from = t; from < to;) {
        const UtcSeconds until = std::min<std::int64_t>(from + 366 * std::int64_t{SecondsPerDay}, to);
        for (UtcSeconds c : Candidates(*data_, from, until))
            if (TypeAtUnchecked(c - 1).UtcOffset != TypeAtUnchecked(c).UtcOffset) return c;
        from = until;
    }
    return std::nullopt;
}

LocalTimeMapping Zone::Map(const LocalDateTime& local) const
{
    if (!IsValidDate(local.Date) || local.Date.Year < 0 || local.Date.Year > 9999 || local.SecondOfDay < 0 ||
        local.SecondOfDay >= SecondsPerDay)
        throw TimeError("The local time is outside the years 0000 to 9999 or not a time of day");
    const std::int64_t wall = LocalSecondsOf(local);
    if (kind_ != Kind::Named) return {LocalTimeKind::Unique, wall - offset_, wall - offset_, 0};

    const UtcSeconds from = wall - MappingReach, to = wall + MappingReach;
    std::vector<OffsetChange> changes;
    for (UtcSeconds c : Candidates(*data_, from, to)) {
        const std::int32_t before = TypeAtUnchecked(c - 1).UtcOffset, after = TypeAtUnchecked(c).UtcOffset;
        if (before != after) changes.push_back({c, before, after});
    }
    // Each stretch of one offset holds the local time at most once.
    std::vector<UtcSeconds> found;
    UtcSeconds start = from;
    std::int32_t offset = TypeAtUnchecked(from).UtcOffset;
    const OffsetChange* gap = nullptr;
    for (const OffsetChange& change : changes) {
        if (wall - offset >= start && wall - offset < change.At) found.push_back(wall - offset);
        if (!gap && wall >= change.At + change.Before && wall < change.At + change.After) gap = &change;
        start = change.At;
        offset = change.After;
    }
    if (wall - offset >= start && wall - offset <= to) found.push_back(wall - offset);
    std::sort(found.begin(), found.end());

    if (found.size() == 1) return {LocalTimeKind::Unique, found.front(), found.front(), 0};
    if (found.empty()) {
        // No stretch holds it, so some change stepped over it.
        if (!gap) throw TimeError("The local time could not be placed in " + name_);
        return {LocalTimeKind::Gap, wall - gap->After, wall - gap->Before, gap->At};
    }
    UtcSeconds transition = found.back();
    for (const OffsetChange& change : changes)
        if (change.At > found.front()) {
            transition = change.At;
            break;
        }
    return {LocalTimeKind::Fold, found.front(), found.back(), transition};
}

UtcSeconds Zone::ToUtc(const LocalDateTime& local, LocalChoice choice) const
{
    const LocalTimeMapping mapping = Map(local);
    if (mapping.Kind == LocalTimeKind::Unique || choice == LocalChoice::Earlier) return mapping.Earlier;
    if (choice == LocalChoice::Later) return mapping.Later;
    const std::int32_t before = TypeAtUnchecked(mapping.Transition - 1).UtcOffset;
    const std::int32_t after = TypeAtUnchecked(mapping.Transition).UtcOffset;
    const std::string from = ClockText(mapping.Transition + before, local.Date);
    const std::string to = ClockText(mapping.Transition + after, local.Date);
    if (mapping.Kind == LocalTimeKind::Gap)
        throw TimeError(FormatLocalDateTime(local) + " does not exist in " + name_ + ": the clocks went forward from " +
                        from + " to " + to);
    throw TimeError(FormatLocalDateTime(local) + " occurs twice in " + name_ + ": the clocks went back from " + from +
                    " to " + to);
}

} // namespace timezones
