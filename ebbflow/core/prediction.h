// Predictions of tides and tidal streams: the height or speed at an
// instant, and the high and low waters, slack waters and strongest flood
// and ebb over a span of time.
//
// Conventions:
//  - Times are UTC seconds since 1970-01-01 00:00 (leap seconds not
//    counted), as doubles; event times are whole seconds.
//  - Heights refer to the station's datum (Station::Datum, "Mean Lower Low
//    Water" for nearly all of Debian's stations), in its units or in the
//    units asked for. Heights are Z0 + S(t) (harmonics.h).
//  - Speeds are knots, positive in the flood and negative in the ebb: Z0 +
//    S(t); for stations whose constants are in knots squared (hydraulic
//    currents), Z0 + sign(S) * sqrt(|S|).
//  - High and low waters are the roots of the rate of change. An adjacent
//    high and low less than 0.01 ft apart (0.01 kn for streams) are a stand,
//    not two events, and are both dropped.
//  - Streams: a maximum of the speed while it floods is "max_flood", a
//    minimum while it ebbs "max_ebb", a zero "slack"; a weakening that does
//    not turn (a minimum flood or minimum ebb) is not an event.
//  - Subordinate stations have their reference station's events shifted by
//    their published offsets, and events only: no value at an instant.
//    Heights and speeds are the reference's times the ratio plus the
//    additive offset, of the high (max flood) or low (max ebb) kind; the
//    slack before the flood and before the ebb take their own time offsets,
//    or, where the data give none, the mean of the flood's and the ebb's.
#pragma once

#include "ebbflow/core/tide_database.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ebbflow {

enum class EventKind { High, Low, Slack, MaxFlood, MaxEbb };

// The units heights are wanted in; streams are always in knots.
enum class HeightUnits { Station, Feet, Metres };

inline constexpr double MetresPerFoot = 0.3048;
// The longest span one call predicts over.
inline constexpr double LongestSpanSeconds = 4 * 366 * 86400.0;

struct TideEvent {
    double Time = 0; // UTC seconds, whole
    EventKind Kind = EventKind::High;
    double Value = 0; // height, or speed in knots
    std::optional<double> Direction; // degrees true, streams only; none at slack
};

struct Reading {
    double Value = 0; // height, or speed in knots
    std::optional<double> Direction;
};

// The events at `station` from `fromUtc` (included) to `toUtc` (excluded),
// in time order. Throws PredictionError for times that are not finite, a
// span longer than LongestSpanSeconds, or years the tide data do not cover.
std::vector<TideEvent> PredictEvents(const TideDatabase& db, const Station& station, double fromUtc, double toUtc,
                                     HeightUnits units = HeightUnits::Station);

// The height or speed at `station` at `utc`. Throws PredictionError for a
// subordinate station, or as PredictEvents does.
Reading PredictAt(const TideDatabase& db, const Station& station, double utc, HeightUnits units = HeightUnits::Station);

// The units of the values PredictEvents and PredictAt give.
Units ValueUnits(const Station& station, HeightUnits units);

// Throws PredictionError for times that are not finite or a span longer
// than LongestSpanSeconds, as PredictEvents does.
void CheckPredictionSpan(double fromUtc, double toUtc);

// `value` in `from` units as `to` units: feet and metres are converted
// (0.3048 m to the foot), knots stay knots.
double ConvertedValue(double value, Units from, Units to);

// The names scripts read: "high", "low", "slack", "max_flood", "max_ebb";
// "reference_tide", "subordinate_tide", "reference_current",
// "subordinate_current"; "ft", "m", "kn" (knots squared give knots).
std::string_view EventKindName(EventKind kind);
std::string_view StationKindName(StationKind kind);
std::string_view UnitsName(Units units);

} // namespace ebbflow
