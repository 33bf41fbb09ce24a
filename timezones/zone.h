// A time zone: UTC, a fixed offset, the nautical zone time of a longitude,
// or a named zone of the system's database (read by zone_files.h).
//
// Every zone answers the same questions: the UTC offset and abbreviation
// at an instant, the local time of an instant, and the instants of a local
// time, which a change of the clocks may leave without one (the spring
// gap) or give two (the autumn fold). Instants are whole UTC seconds of the
// years 0000 to 9999 (civil_calendar.h); outside them TimeError is thrown.
// A Zone is an immutable value, cheap to copy.
#pragma once

#include "timezones/civil_calendar.h"
#include "timezones/posix_tz.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace timezones {

struct TzifData;

// The nautical zone description of a longitude (degrees, east positive, any
// value; reduced to -180..180): ZD = -round(longitude / 15) hours, so that
// UT = ZT + ZD. A longitude midway between two zones (7.5°, 22.5°, ...) goes
// to the zone farther from Greenwich, half away from zero as the almanacs
// round: 7.5° E is ZD -1, 7.5° W is ZD +1. Both 180° E and 180° W are
// ZD +12 (the date line's west half, which keeps the date of the Americas);
// just short of 180° E is ZD -12. Throws TimeError for NaN or an infinity.
int NauticalZoneDifference(double longitudeDeg);

// "ZD -1" (for UTC+01:00), "ZD +12", "ZD 0".
std::string ZoneDifferenceText(int zoneDifferenceHours);

// How the instants of one local time come out.
enum class LocalTimeKind {
    Unique, // one instant: Earlier == Later
    Gap,    // none: the clocks went forward over it
    Fold,   // two: the clocks went back over it
};

// The instants of a local time. In a fold, Earlier is its first occurrence
// (the offset before the change) and Later its second. In a gap, the local
// time is read with the offset before the change (Later, as if the clock
// had not yet gone forward: 01:30 in a gap from 01:00 to 02:00 comes out as
// 02:30 after it) and with the offset after it (Earlier: 00:30 before it);
// Transition is the instant the clocks changed, also for a fold.
struct LocalTimeMapping {
    LocalTimeKind Kind = LocalTimeKind::Unique;
    UtcSeconds Earlier = 0;
    UtcSeconds Later = 0;
    UtcSeconds Transition = 0; // Gap and Fold only
};

// What a caller wants of a local time a gap or a fold touches.
enum class LocalChoice {
    Earlier, // the earlier instant of LocalTimeMapping
    Later,   // the later one
    Refuse,  // TimeError naming the local time and the change
};

class Zone {
public:
    enum class Kind { Utc, FixedOffset, Nautical, Named };

    // UTC itself, abbreviation and name "UTC".
    static Zone Utc();

    // A constant offset east of UTC in seconds, -86399 .. 86399 (TimeError
    // beyond); its name and abbreviation are the offset's text, "+05:30".
    static Zone FixedOffset(std::int32_t utcOffsetSeconds);

    // The nautical zone time of a longitude (NauticalZoneDifference); name
    // and abbreviation "ZD -1".
    static Zone Nautical(double longitudeDeg);

    // A named zone from the bytes of its TZif file; `name` is the zone's
    // name ("Europe/London") and `fileName` names the file in refusals.
    // Throws ZoneFileError for a file that is not sound (tzif.h).
    static Zone FromTzif(const std::string& name, std::string_view bytes, const std::string& fileName);

    Kind ZoneKind() const { return kind_; }

    // "UTC", "+05:30", "ZD -1", "Europe/London".
    const std::string& Name() const { return name_; }

    // The local time type in force at `t`: from the file's transitions, the
    // first type before the first of them (RFC 8536), the footer's rule
    // after the last (or the last type when there is no footer).
    LocalType TypeAt(UtcSeconds t) const;

    std::int32_t UtcOffsetAt(UtcSeconds t) const { return TypeAt(t).UtcOffset; }

    // The zone's clock at `t`.
    LocalDateTime LocalTimeOf(UtcSeconds t) const;

    // The instants at which the zone's clock shows `local` (a valid date of
    // the years 0000 to 9999, SecondOfDay 0..86399; TimeError otherwise).
    LocalTimeMapping Map(const LocalDateTime& local) const;

    // One instant of `local`, chosen as `choice` says where a gap or a fold
    // leaves none or two; a Unique local time gives its instant whatever the
    // choice. Refuse throws TimeError: "2026-03-29T01:30:00 does not exist in
    // Europe/London: the clocks went forward from 01:00:00 to 02:00:00" or
    // "2026-10-25T01:30:00 occurs twice in Europe/London: the clocks went
    // back from 02:00:00 to 01:00:00".
    UtcSeconds ToUtc(const LocalDateTime& local, LocalChoice choice) const;

    // The first instant after `t`, at most `horizon` seconds on, at which
    // the UTC offset changes (the first instant of the new offset); none for
    // a zone of one offset or none within the horizon.
    std::optional<UtcSeconds> NextOffsetChange(UtcSeconds t, std::int64_t horizon) const;

private:
    Zone(Kind kind, std::string name, std::int32_t offset, std::shared_ptr<const TzifData> data);

    // TypeAt without the range check, for instants near the edges.
    LocalType TypeAtUnchecked(UtcSeconds t) const;

    Kind kind_;
    std::string name_;
    std::int32_t offset_;                  // Utc, FixedOffset, Nautical
    std::shared_ptr<const TzifData> data_; // Named
};

} // namespace timezones
