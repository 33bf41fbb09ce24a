// Predictions against NOAA's published ones, and the properties every
// prediction keeps.
#include "ebbflow/core/harmonics.h"
#include "ebbflow/core/prediction.h"
#include "ebbflow/core/station_search.h"
#include "ebbflow/core/tide_errors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace ebbflow;
using namespace std::chrono;

const TideDatabase& Db()
{
    static const TideDatabase db = TideDatabase::Open();
    return db;
}

// Hawaii keeps standard time, UTC-10, all year.
double Hst(int y, unsigned mo, unsigned d, int h, int mi)
{
    const sys_days day{year{y} / mo / d};
    return static_cast<double>(day.time_since_epoch().count()) * 86400.0 + (h + 10) * 3600.0 + mi * 60.0;
}

double Utc(int y, unsigned mo, unsigned d)
{
    return static_cast<double>(sys_days{year{y} / mo / d}.time_since_epoch().count()) * 86400.0;
}

// NOAA's high waters as published by the National Weather Service for king
// tides (Maui Now, 2017-05-27 and 2019-12-26; times HST, feet above MLLW;
// NAN where only the time was given). The first three stations are
// reference stations; the others are subordinate to them. Debian's
// constants are of 2019, the predictions of 2017 and 2019.
const struct Published {
    const char* station;
    double time;
    double feet;
} Highs[] = {
    {"Kahului, Kahului Harbor, Hawaii", Hst(2017, 5, 27, 16, 31), 2.73},
    {"Kahului, Kahului Harbor, Hawaii", Hst(2017, 5, 28, 17, 20), 2.59},
    {"Kahului, Kahului Harbor, Hawaii", Hst(2017, 5, 29, 18, 13), 2.40},
    {"Kahului, Kahului Harbor, Hawaii", Hst(2019, 12, 26, 3, 10), 2.75},
    {"Kahului, Kahului Harbor, Hawaii", Hst(2019, 12, 27, 3, 45), 2.70},
    {"Kaunakakai Harbor, Molokai Island, Hawaii", Hst(2017, 5, 27, 17, 48), 2.63},
    {"Kaunakakai Harbor, Molokai Island, Hawaii", Hst(2017, 5, 28, 18, 34), 2.48},
    {"Kaunakakai Harbor, Molokai Island, Hawaii", Hst(2017, 5, 29, 19, 24), 2.28},
    {"Honolulu, Honolulu Harbor, Oahu Island, Hawaii", Hst(2019, 12, 26, 4, 25), NAN},
    {"Honolulu, Honolulu Harbor, Oahu Island, Hawaii", Hst(2019, 12, 27, 5, 3), NAN},
    {"Makena, Maui Island, Hawaii", Hst(2017, 5, 27, 17, 52), 1.99},
    {"Makena, Maui Island, Hawaii", Hst(2017, 5, 28, 18, 41), 1.89},
    {"Makena, Maui Island, Hawaii", Hst(2017, 5, 29, 19, 34), 1.75},
    {"Hana, Maui Island, Hawaii", Hst(2017, 5, 27, 17, 11), 2.86},
    {"Hana, Maui Island, Hawaii", Hst(2019, 12, 26, 3, 50), 2.89},
    {"Lahaina, Maui Island, Hawaii", Hst(2019, 12, 26, 4, 28), 2.45},
    {"Lahaina, Maui Island, Hawaii", Hst(2019, 12, 27, 5, 3), 2.40},
    {"Kaumalapau, Lanai Island, Hawaii", Hst(2017, 5, 27, 17, 57), 2.60},
    {"Kaumalapau, Lanai Island, Hawaii", Hst(2017, 5, 29, 19, 42), 2.30},
};

TEST(Predictions, HighWatersAgreeWithNoaasWithinFiveMinutesAndATenthOfAFoot)
{
    for (const Published& p : Highs) {
        const Station& station = FindStation(Db(), p.station, KindFilter::Tide);
        const auto events = PredictEvents(Db(), station, p.time - 3 * 3600, p.time + 3 * 3600);
        const TideEvent* high = nullptr;
        for (const TideEvent& e : events)
            if (e.Kind == EventKind::High && (high == nullptr || e.Value > high->Value))
                high = &e;
        ASSERT_NE(high, nullptr) << p.station;
        EXPECT_NEAR(high->Time, p.time, 5 * 60) << p.station;
        if (!std::isnan(p.feet)) {
            EXPECT_NEAR(high->Value, p.feet, 0.1) << p.station;
        }
    }
}

TEST(Predictions, AYearsExtremesAtKahuluiAreNoaasOf2024)
{
    // "lowest tide in 2024 predicted at -.74 ft on Jan 12, and the highest
    // at 2.99 ft on July 22 and Aug 20" (tidepatterns.blogspot.com, from
    // NOAA's predictions for Kahului Harbor).
    const Station& kahului = FindStation(Db(), "Kahului, Kahului Harbor, Hawaii");
    const auto events = PredictEvents(Db(), kahului, Hst(2024, 1, 1, 0, 0), Hst(2025, 1, 1, 0, 0));
    const TideEvent *lowest = &events.front(), *highest = &events.front();
    for (const TideEvent& e : events) {
        lowest = e.Value < lowest->Value ? &e : lowest;
        highest = e.Value > highest->Value ? &e : highest;
    }
    EXPECT_NEAR(lowest->Value, -0.74, 0.1);
    EXPECT_NEAR(lowest->Time, Utc(2024, 1, 12), 86400); // the evening of the 11th HST, the 12th UTC
    EXPECT_NEAR(highest->Value, 2.99, 0.1);
}

// High and low waters of a month, the turn of a year among them.
TEST(Predictions, HighAndLowWatersAreTurnsAndAlternate)
{
    for (const char* name : {"Honolulu, Honolulu Harbor, Oahu Island, Hawaii", "The Battery, New York Harbor, New York",
                             "Seattle, Puget Sound, Washington", "Pensacola, Florida"}) {
        const Station& station = FindStation(Db(), name, KindFilter::Tide);
        const double from = Utc(2019, 12, 15), to = Utc(2020, 1, 15);
        const auto events = PredictEvents(Db(), station, from, to);
        ASSERT_GT(events.size(), 20u) << name;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const TideEvent& e = events[i];
            ASSERT_TRUE(e.Kind == EventKind::High || e.Kind == EventKind::Low);
            if (i > 0) {
                EXPECT_NE(e.Kind, events[i - 1].Kind) << name << " at " << e.Time;
            }
            EXPECT_EQ(e.Time, std::round(e.Time));
            EXPECT_EQ(PredictAt(Db(), station, e.Time).Value, e.Value);
            const YearTerms terms = TermsOfYear(Db().Harmonics(), station, MeridianYear(station, e.Time));
            const HarmonicSum at = Sum(terms, e.Time), later = Sum(terms, e.Time + 60);
            EXPECT_LT(std::abs(at.Rate), std::abs(at.Curvature) / 3600 + 1e-9) << name; // zero to the second
            EXPECT_EQ(later.Rate < 0, e.Kind == EventKind::High) << name;
        }
    }
}

TEST(Predictions, SubordinateEventsAreTheirReferencesShiftedByTheirOffsets)
{
    const Station& makena = FindStation(Db(), "Makena, Maui Island, Hawaii");
    const Station& kahului = Db().StationAt(makena.Reference);
    const double from = Utc(2021, 3, 1), to = Utc(2021, 3, 8);
    const auto sub = PredictEvents(Db(), makena, from, to);
    const auto ref = PredictEvents(Db(), kahului, from - 86400, to + 86400);
    std::size_t matched = 0;
    for (const TideEvent& s : sub) {
        const EventOffset& offset = s.Kind == EventKind::High ? makena.High : makena.Low;
        for (const TideEvent& r : ref)
            if (r.Kind == s.Kind && r.Time + offset.Minutes * 60 == s.Time) {
                EXPECT_DOUBLE_EQ(s.Value, r.Value * offset.Ratio + offset.Add);
                ++matched;
            }
    }
    EXPECT_EQ(matched, sub.size());
    EXPECT_GT(matched, 20u);
}

// A year of high waters as the form factor F = (K1 + O1) / (M2 + S2) says:
// semidiurnal stations (F < 0.25) two a lunar day, 705 a year; diurnal ones
// (F > 3) about one, 353. Where K1 and O1 are alike the diurnal tide fades
// every 13.7 days and two high waters a day come back: along the Gulf of
// Mexico, Debian's stations of F from 3 to 10 have 390 to 790 a year, so
// the diurnal ones counted are the Gulf's most diurnal (F above 12).
TEST(Predictions, AYearHasTheHighWatersItsFormFactorImplies)
{
    const Constituents& c = Db().Harmonics();
    const auto amplitude = [&](const Station& s, const char* name) {
        for (const Term& t : s.Terms)
            if (c.Names[static_cast<std::size_t>(t.Constituent)] == name)
                return t.Amplitude;
        return 0.0;
    };
    const auto formFactor = [&](const Station& s) {
        return (amplitude(s, "K1") + amplitude(s, "O1")) / (amplitude(s, "M2") + amplitude(s, "S2"));
    };
    const auto highs = [&](const Station& s) {
        int count = 0;
        for (const TideEvent& e : PredictEvents(Db(), s, Utc(2024, 1, 1), Utc(2025, 1, 1)))
            count += e.Kind == EventKind::High;
        return count;
    };
    int semidiurnal = 0;
    for (const Station& s : Db().Stations()) {
        if (s.Kind == StationKind::ReferenceTide && formFactor(s) < 0.25 && semidiurnal++ < 6) {
            EXPECT_NEAR(highs(s), 705, 2) << s.Name;
        }
    }
    for (const char* name : {"Grand Isle, Mississippi River Delta, Louisiana", "Dauphin Island, Mobile Bay, Alabama",
                             "Aransas Wildlife Refuge (TCOON), Texas", "Venice, Grand Pass, Louisiana"}) {
        const Station& s = FindStation(Db(), name, KindFilter::Tide);
        EXPECT_GT(formFactor(s), 12) << name;
        EXPECT_NEAR(highs(s), 353, 30) << name;
    }
}

TEST(Predictions, StreamsFloodPositiveAndEbbNegativeWithSlackBetween)
{
    for (const char* name : {"Hell Gate (off Mill Rock), New York Current",             // knots squared
                             "Baltimore Harbor Approach (off Sandy Point), Maryland Current"}) {
        const Station& station = FindStation(Db(), name, KindFilter::Current);
        const auto events = PredictEvents(Db(), station, Utc(2020, 6, 1), Utc(2020, 6, 8), HeightUnits::Metres);
        ASSERT_GT(events.size(), 40u) << name;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const TideEvent& e = events[i];
            const Reading at = PredictAt(Db(), station, e.Time);
            switch (e.Kind) {
            case EventKind::Slack:
                EXPECT_EQ(e.Value, 0);
                EXPECT_FALSE(e.Direction.has_value());
                EXPECT_NEAR(at.Value, 0, 0.01) << name;
                break;
            case EventKind::MaxFlood:
                EXPECT_GT(e.Value, 0);
                EXPECT_EQ(e.Direction, station.FloodDirection);
                EXPECT_EQ(at.Value, e.Value); // knots whatever the heights' units
                break;
            case EventKind::MaxEbb:
                EXPECT_LT(e.Value, 0);
                EXPECT_EQ(e.Direction, station.EbbDirection);
                EXPECT_EQ(at.Direction, station.EbbDirection);
                break;
            default:
                ADD_FAILURE() << name;
            }
            if (i > 0 && e.Kind != EventKind::Slack && events[i - 1].Kind != EventKind::Slack) {
                EXPECT_EQ(e.Kind, events[i - 1].Kind) << name; // a turn of the stream passes a slack
            }
        }
    }
}

TEST(Predictions, HeightsInTheUnitsAskedFor)
{
    const Station& honolulu = FindStation(Db(), "Honolulu, Honolulu Harbor, Oahu Island, Hawaii");
    const double t = Utc(2022, 7, 4);
    EXPECT_DOUBLE_EQ(PredictAt(Db(), honolulu, t, HeightUnits::Metres).Value,
                     PredictAt(Db(), honolulu, t, HeightUnits::Feet).Value * MetresPerFoot);
    EXPECT_EQ(UnitsName(ValueUnits(honolulu, HeightUnits::Metres)), "m");
    EXPECT_EQ(UnitsName(ValueUnits(honolulu, HeightUnits::Station)), "ft");
}

TEST(Predictions, WhatCannotBePredictedIsRefusedWithTheReason)
{
    const Station& honolulu = FindStation(Db(), "Honolulu, Honolulu Harbor, Oahu Island, Hawaii");
    const Station& makena = FindStation(Db(), "Makena, Maui Island, Hawaii");
    const struct {
        std::function<void()> call;
        std::string message;
    } cases[] = {
        {[&] { PredictAt(Db(), makena, Utc(2020, 1, 1)); },
         "Makena, Maui Island, Hawaii is a subordinate station: it is predicted at its high and low waters only"},
        {[&] { PredictAt(Db(), honolulu, Utc(2101, 1, 1)); },
         "The tide data cover the years 1700 to 2100; 2101 is not one of them"},
        {[&] { PredictEvents(Db(), honolulu, Utc(2100, 12, 25), Utc(2101, 1, 2)); },
         "The tide data cover the years 1700 to 2100; 2101 is not one of them"},
        {[&] { PredictAt(Db(), honolulu, NAN); }, "The time is not a number"},
        {[&] { PredictEvents(Db(), honolulu, Utc(2020, 1, 1), Utc(2030, 1, 1)); },
         "Predictions are made for four years at most at a time"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.message;
        } catch (const PredictionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

} // namespace
