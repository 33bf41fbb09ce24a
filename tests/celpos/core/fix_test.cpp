// The fix against PyEphem: sights made at a known place (PyEphem's
// altitudes with the limb, refraction, dip and index error put back) give
// that place again, standing still or sailing between them (the earlier
// places by GeographicLib's rhumb line); and what the fix warns of and
// refuses.
#include "celpos/core/fix.h"
#include "celpos/core/worksheet.h"
#include "geo/position_text.h"

#include "sight_maker.h"
#include "test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using celpos::Limb;
using celpostest::MilesApart;
using celpostest::Utc;

struct Taken {
    const char* body;
    const char* time;
    Limb limb;
    bool noon = false;
};

struct Voyage {
    const char* name;
    double latDeg, lonDeg; // where the vessel is at the last sight
    double courseDeg, speedKn;
    celpos::SightConditions conditions;
    std::vector<Taken> sights;
};

// The round of sights the vessel of `v` would have taken, its DR put
// `drOffNm` away from where it really was at the first sight.
celpos::SightRound RoundOf(const Voyage& v, double drOffNm, double drOffCourse)
{
    double last = 0;
    for (const Taken& t : v.sights)
        last = std::max(last, Utc(t.time));
    std::vector<celpostest::Observation> observations;
    double first = last;
    for (const Taken& t : v.sights) {
        const double hours = (last - Utc(t.time)) / 3600;
        double lat = 0, lon = 0;
        celpostest::RhumbFrom(v.latDeg, v.lonDeg, std::fmod(v.courseDeg + 180, 360), v.speedKn * hours, lat, lon);
        observations.push_back({t.body, lat, lon, Utc(t.time), t.limb});
        first = std::min(first, Utc(t.time));
    }
    const std::vector<double> hs = celpostest::SextantAltitudes(observations, v.conditions);
    celpos::SightRound round;
    round.Between = {v.courseDeg, v.speedKn};
    round.Settings.Conditions = v.conditions;
    for (std::size_t i = 0; i < v.sights.size(); ++i)
        round.Sights.push_back({v.sights[i].body, v.sights[i].limb, Utc(v.sights[i].time), hs[i], std::nullopt, v.sights[i].noon});
    double startLat = 0, startLon = 0;
    celpostest::RhumbFrom(v.latDeg, v.lonDeg, std::fmod(v.courseDeg + 180, 360), v.speedKn * (last - first) / 3600,
                          startLat, startLon);
    celpostest::RhumbFrom(startLat, startLon, drOffCourse, drOffNm, round.DrLatDeg, round.DrLonDeg);
    return round;
}

const celpos::SightConditions Bridge{-1.2, 12.5, 18, 1021};
const celpos::SightConditions Yacht{0.8, 2.4, 4, 996};

TEST(Fix, SightsMadeAtAPlaceReduceBackToIt)
{
    const Voyage voyages[] = {
        {"Sun and Moon, standing off Plymouth", 50.1, -4.6, 0, 0, Bridge,
         {{"Sun", "2026-10-30T10:00:40Z", Limb::Lower}, {"Moon", "2026-10-30T10:01:55Z", Limb::Upper}}},
        {"Sun and Moon, Tasman Sea", -38.25, 160.4, 0, 0, Yacht,
         {{"Moon", "2025-05-01T03:01:00Z", Limb::Lower}, {"Sun", "2025-05-01T03:04:10Z", Limb::Upper}}},
        {"running fix, an hour apart at 12 kn", 44.75, -31.2, 240, 12, Bridge,
         {{"Moon", "2026-06-05T08:00:00Z", Limb::Lower}, {"Sun", "2026-06-05T09:00:00Z", Limb::Lower}}},
        {"three stars at dawn, running at 8 kn", 47.5, -8.0, 205, 8, Bridge,
         {{"Schedar", "2026-07-17T03:26:00Z", Limb::Centre},
          {"Diphda", "2026-07-17T03:30:30Z", Limb::Centre},
          {"Vega", "2026-07-17T03:34:10Z", Limb::Centre}}},
        {"Arcturus and Polaris", 47.5, -8.0, 0, 0, Yacht,
         {{"Arcturus", "2026-07-16T21:38:00Z", Limb::Centre}, {"Polaris", "2026-07-16T21:40:00Z", Limb::Centre}}},
        {"morning Sun run on to the noon sight", 31.9, -54.4, 318, 6, Yacht,
         {{"Sun", "2026-03-25T11:46:15Z", Limb::Lower}, {"Sun", "2026-03-25T15:43:30Z", Limb::Lower, true}}},
    };
    for (const Voyage& v : voyages) {
        const celpos::SightRound round = RoundOf(v, 14, 75);
        const celpos::Fix fix = celpos::FixPosition(round, celpos::AlmanacPosition);
        EXPECT_LT(MilesApart(fix.LatDeg, fix.LonDeg, v.latDeg, v.lonDeg), 0.1) << v.name;
        std::printf("%s: the fix %.4f nm from the place\n", v.name, MilesApart(fix.LatDeg, fix.LonDeg, v.latDeg, v.lonDeg));
        for (const double r : fix.ResidualsArcmin)
            EXPECT_LT(std::fabs(r), 0.01) << v.name; // two lines cross exactly at the fix
        // The DR, 14 miles off, is what the worksheets reduce from.
        EXPECT_NEAR(MilesApart(fix.DrAtFix.LatDeg, fix.DrAtFix.LonDeg, v.latDeg, v.lonDeg), 14, 0.1) << v.name;
        // The noon sight and Polaris (the last sights here) give the
        // latitude itself, reduced from the fix.
        const celpos::Sight& last = round.Sights.back();
        if (last.Noon || last.Body == "Polaris") {
            const celpos::SightReduction r =
                celpos::ReduceSight(last, round.Settings, fix.LatDeg, fix.LonDeg, celpos::AlmanacPosition);
            ASSERT_TRUE(r.LatitudeDeg) << v.name;
            EXPECT_LT(std::fabs(*r.LatitudeDeg - v.latDeg) * 60, 0.1) << v.name;
        }
    }
}

TEST(Fix, WarnsOfWeakCrossingsAndSightsThatDoNotFit)
{
    Voyage v{"three sights", 47.5, -8.0, 0, 0, Bridge,
             {{"Sun", "2026-07-16T13:00:00Z", Limb::Lower},
              {"Moon", "2026-07-16T13:05:00Z", Limb::Lower},
              {"Sun", "2026-07-16T15:00:00Z", Limb::Lower},
              {"Moon", "2026-07-16T10:30:00Z", Limb::Upper}}};
    celpos::SightRound round = RoundOf(v, 5, 200);
    const celpos::Fix good = celpos::FixPosition(round, celpos::AlmanacPosition);
    EXPECT_LT(MilesApart(good.LatDeg, good.LonDeg, v.latDeg, v.lonDeg), 0.1);
    EXPECT_TRUE(good.Warnings.empty()) << good.Warnings.front();

    round.Sights[2].HsDeg += 6.0 / 60; // a misread vernier
    const celpos::Fix bad = celpos::FixPosition(round, celpos::AlmanacPosition);
    ASSERT_EQ(bad.ResidualsArcmin.size(), 4u);
    EXPECT_GT(std::fabs(bad.ResidualsArcmin[2]), 2.0);
    // Least squares spreads the error over the lines; the misread one is
    // the furthest off, and said to be.
    for (const std::size_t other : {0u, 1u, 3u})
        EXPECT_GT(std::fabs(bad.ResidualsArcmin[2]), std::fabs(bad.ResidualsArcmin[other]));
    EXPECT_NE(std::ranges::find(bad.Warnings, "Sight 3 lies " + geo::DecimalText(std::fabs(bad.ResidualsArcmin[2]), 1) +
                                                  "' off the fix, more than 2': check it"),
              bad.Warnings.end());

    // The Sun twice, twenty minutes apart: its azimuth barely turns.
    Voyage close{"close", 47.5, -8.0, 0, 0, Bridge,
                 {{"Sun", "2026-07-16T13:00:00Z", Limb::Lower}, {"Sun", "2026-07-16T13:20:00Z", Limb::Lower}}};
    const celpos::Fix weak = celpos::FixPosition(RoundOf(close, 2, 10), celpos::AlmanacPosition);
    ASSERT_EQ(weak.Warnings.size(), 1u);
    EXPECT_NE(weak.Warnings[0].find("Sights 1 and 2 cross at "), std::string::npos) << weak.Warnings[0];
    EXPECT_NE(weak.Warnings[0].find("less than 30"), std::string::npos);
}

TEST(Fix, RefusesWhatGivesNoPosition)
{
    using testtexts::WhatOf;
    celpos::SightRound round;
    round.DrLatDeg = 50;
    round.Sights = {{"Sun", Limb::Lower, Utc("2026-07-20T08:00:00Z"), 30, std::nullopt, false}};
    const auto fix = [&round] { celpos::FixPosition(round, celpos::AlmanacPosition); };
    EXPECT_EQ(WhatOf(fix), "A fix needs two sights or more");
    round.Sights.push_back(round.Sights[0]); // the same line twice
    EXPECT_EQ(WhatOf(fix), "The lines of position are parallel: they give no fix");
    round.Sights[1].Body = "Aries";
    EXPECT_EQ(WhatOf(fix), "Sight 2: Aries is a point of the sky, not a body to take a sight of");
    round.Sights[1] = {"Moon", Limb::Lower, Utc("2026-07-20T08:00:00Z"), 95, std::nullopt, false};
    EXPECT_EQ(WhatOf(fix), "Sight 2: The sextant altitude 95\xC2\xB0 is outside 0 to 90\xC2\xB0");
    round.Sights[1] = {"Sun", Limb::Lower, Utc("1899-07-20T08:00:00Z"), 30, std::nullopt, false};
    EXPECT_NE(WhatOf(fix).find("Sight 2: "), std::string::npos);
    round.Sights[1] = {"Moon", Limb::Lower, Utc("2026-07-20T20:00:00Z"), 30, std::nullopt, false};
    round.Between = {0, 30};
    round.DrLatDeg = 89.9; // north for twelve hours at 30 knots
    EXPECT_EQ(WhatOf(fix), "Sight 2: The run between the sights passes a pole");
}

} // namespace
