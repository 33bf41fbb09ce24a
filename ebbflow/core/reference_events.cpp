#include "ebbflow/core/reference_events.h"

#include "ebbflow/core/harmonic_roots.h"
#include "ebbflow/core/harmonics.h"

#include <algorithm>
#include <cmath>

namespace ebbflow {
namespace {

// How far beyond the span events are looked for, so that a stand across
// its ends is still seen whole.
constexpr double ScanMargin = 86400.0;
// How far each year's sum is followed into the next and the previous
// year, so that a turn at New Year is found by one of them at least.
constexpr double YearOverlap = 3600.0;
constexpr double StandFeet = 0.01;
constexpr double StandKnots = 0.01;

struct Candidate {
    double Time = 0;
    bool Up = false;
    bool InOwnYear = false;
    std::size_t Year = 0; // index into the years' terms
};

// One candidate for each turn or crossing: where a turn near New Year was
// found by both years' sums, the one inside its own year is kept.
std::vector<Candidate> Merged(std::vector<Candidate> all)
{
    std::sort(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) { return a.Time < b.Time; });
    std::vector<Candidate> kept;
    for (const Candidate& c : all) {
        if (!kept.empty()) {
            Candidate& last = kept.back();
            if (last.Year != c.Year && last.Up == c.Up && c.Time - last.Time < 2 * YearOverlap) {
                if (!last.InOwnYear && c.InOwnYear)
                    last = c;
                continue;
            }
        }
        kept.push_back(c);
    }
    return kept;
}

double StandThreshold(const Station& station)
{
    switch (station.Unit) {
    case Units::Feet:
        return StandFeet;
    case Units::Metres:
        return StandFeet * MetresPerFoot;
    default:
        return StandKnots;
    }
}

// Drops each adjacent high and low (or two turns of a stream) closer than
// the stand threshold; what is left still alternates.
std::vector<TideEvent> WithoutStands(const std::vector<TideEvent>& turns, double threshold)
{
    std::vector<TideEvent> kept;
    for (const TideEvent& e : turns) {
        if (!kept.empty() && kept.back().Kind != e.Kind && std::abs(kept.back().Value - e.Value) < threshold)
            kept.pop_back();
        else
            kept.push_back(e);
    }
    return kept;
}

} // namespace

double StationValue(const Station& station, double s)
{
    if (station.Unit == Units::KnotsSquared)
        return station.DatumOffset + std::copysign(std::sqrt(std::abs(s)), s);
    return station.DatumOffset + s;
}

std::vector<ReferenceEvent> ReferenceEvents(const Constituents& constituents, const Station& station, double fromUtc,
                                            double toUtc)
{
    const double scanFrom = fromUtc - ScanMargin, scanTo = toUtc + ScanMargin;
    const bool stream = station.IsCurrent();
    // The sum at which the speed is zero.
    const double z0 = station.DatumOffset;
    const double slackLevel = station.Unit == Units::KnotsSquared ? -z0 * std::abs(z0) : -z0;

    std::vector<YearTerms> years;
    std::vector<Candidate> turns, slacks;
    // The span itself must lie within the years covered; the margins are
    // only looked into where they are.
    const int first = std::max(MeridianYear(station, scanFrom), std::min(constituents.FirstYear, MeridianYear(station, fromUtc)));
    const int last = std::min(MeridianYear(station, scanTo), std::max(constituents.LastYear, MeridianYear(station, toUtc - 1)));
    for (int year = first; year <= last; ++year) {
        years.push_back(TermsOfYear(constituents, station, year));
        const YearTerms& terms = years.back();
        const double from = std::max(scanFrom, terms.StartUtc - YearOverlap);
        const double to = std::min(scanTo, terms.EndUtc + YearOverlap);
        const Roots roots = FindRoots(terms, from, to, stream, slackLevel);
        const auto add = [&](std::vector<Candidate>& to, const std::vector<Root>& found) {
            for (const Root& r : found)
                to.push_back({r.Time, r.Up, r.Time >= terms.StartUtc && r.Time < terms.EndUtc, years.size() - 1});
        };
        add(turns, roots.Turns);
        add(slacks, roots.Crossings);
    }

    const auto event = [&](const Candidate& c, EventKind kind) {
        const double time = std::round(c.Time);
        return TideEvent{time, kind, StationValue(station, Sum(years[c.Year], time).Value), std::nullopt};
    };
    std::vector<TideEvent> extremes;
    for (const Candidate& c : Merged(turns))
        extremes.push_back(event(c, c.Up ? EventKind::High : EventKind::Low));
    extremes = WithoutStands(extremes, StandThreshold(station));

    std::vector<ReferenceEvent> events;
    for (TideEvent e : extremes) {
        if (stream) {
            if (e.Kind == EventKind::High && e.Value > 0)
                e.Kind = EventKind::MaxFlood;
            else if (e.Kind == EventKind::Low && e.Value < 0)
                e.Kind = EventKind::MaxEbb;
            else
                continue;
        }
        events.push_back({e, false});
    }
    for (const Candidate& c : Merged(slacks)) {
        TideEvent slack = event(c, EventKind::Slack);
        slack.Value = 0;
        events.push_back({slack, c.Up});
    }
    std::sort(events.begin(), events.end(),
              [](const ReferenceEvent& a, const ReferenceEvent& b) { return a.Event.Time < b.Event.Time; });
    std::erase_if(events, [&](const ReferenceEvent& e) { return e.Event.Time < fromUtc || e.Event.Time >= toUtc; });
    return events;
}

} // namespace ebbflow
