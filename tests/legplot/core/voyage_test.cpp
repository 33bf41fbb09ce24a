#include "geo/errors.h"
#include "legplot/core/voyage.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cmath>
#include <map>
#include <ostream>
#include <string>

namespace {

using legplot::VoyageInputs;
using legplot::VoyagePlan;

constexpr int Airy = 0;
constexpr int WGS84 = 22;

using testtexts::T;

// One run of the computation, with what it showed.
struct Voyage {
    VoyagePlan plan;
    VoyageInputs in{2026, 12, 7, "00:00", WGS84, geo::AngleFormat::DMdd};
    std::map<int, legplot::LegTexts> shown;

    Voyage& Start(double lat, double lon)
    {
        plan.StartLat = lat;
        plan.StartLon = lon;
        return *this;
    }
    Voyage& Leg(int k, double course, double speed, double hours)
    {
        auto& leg = plan.Legs[static_cast<std::size_t>(k - 1)];
        leg.Course = course;
        leg.Speed = speed;
        leg.Interval = hours;
        return *this;
    }
    Voyage& Sail()
    {
        shown.clear();
        legplot::SailVoyage(plan, in, [this](int k, const legplot::LegTexts& t) { shown[k] = t; });
        return *this;
    }
    const legplot::Leg& End(int k) const { return plan.Legs[static_cast<std::size_t>(k - 1)]; }
};

TEST(SailVoyage, DescribedSingleLegs)
{
    Voyage north;
    north.Leg(1, 0.0, 10.0, 6.0).Sail();
    EXPECT_NEAR(north.End(1).EndLat, 1.004934, 1e-5);
    EXPECT_EQ(north.End(1).EndLon, 0.0);
    north.in.EllipsoidIndex = Airy;
    north.Sail();
    EXPECT_NEAR(north.End(1).EndLat, 1.005001, 1e-5);

    Voyage east;
    east.Leg(1, 90.0, 10.0, 6.0).Sail();
    EXPECT_EQ(east.End(1).EndLat, 0.0);
    EXPECT_NEAR(east.End(1).EndLon, 0.998208, 1e-6);
    EXPECT_DOUBLE_EQ(east.End(1).EndLon, 60 * 1852 / 6378137.0 * 57.29577951308232);
    east.in.EllipsoidIndex = Airy;
    east.Sail();
    EXPECT_NEAR(east.End(1).EndLon, 0.998298, 1e-6);

    Voyage west;
    west.Start(60, 0).Leg(1, 270.0, 10.0, 6.0).Sail();
    EXPECT_NEAR(west.End(1).EndLat, 60.0, 1e-12);
    EXPECT_NEAR(west.End(1).EndLon, -1.991398, 1e-6);
    EXPECT_EQ(west.shown[1].Lat, T("60*00'00 N")); // never 59*60'00

    Voyage diagonal;
    diagonal.Start(50, 0).Leg(1, 45.0, 12.0, 10.0).Sail();
    EXPECT_NEAR(diagonal.End(1).EndLat, 51.412655, 1e-5);
    EXPECT_NEAR(diagonal.End(1).EndLon, 2.224853, 1e-5);
}

TEST(SailVoyage, LongitudeIsStoredUnfoldedAndShownFolded)
{
    Voyage v;
    v.Start(0, 179.5).Leg(1, 90.0, 10.0, 6.0).Sail();
    EXPECT_NEAR(v.End(1).EndLon, 180.498208, 1e-6);
    EXPECT_EQ(v.shown[1].Lon, T("179*30'11 W"));
}

TEST(SailVoyage, SpeedZeroKeepsThePositionAndAdvancesTheClock)
{
    Voyage v;
    v.in.TimeText = "10:15";
    v.Start(-33.5, 18.25).Leg(1, 123.4, 0.0, 2.5).Sail();
    EXPECT_NEAR(v.End(1).EndLat, -33.5, 1e-12);
    EXPECT_NEAR(v.End(1).EndLon, 18.25, 1e-12);
    EXPECT_EQ(v.shown[1].Time, "12:45");
}

TEST(SailVoyage, EmptyLegBreaksTheChainAtZeroZero)
{
    Voyage v;
    v.in.TimeText = "08:00";
    v.Start(50, -4).Leg(1, 45.0, 10.0, 2.0).Leg(3, 180.0, 10.0, 1.0).Sail();
    ASSERT_EQ(v.shown.size(), 5u);
    // Leg 2 is empty: 0, 0 and leg 1's arrival.
    EXPECT_EQ(v.End(2).EndLat, 0.0);
    EXPECT_EQ(v.End(2).EndLon, 0.0);
    EXPECT_EQ(v.End(2).ArrivalTime, v.End(1).ArrivalTime);
    EXPECT_EQ(v.shown[2].Lat, T("00*00'00 N"));
    EXPECT_EQ(v.shown[2].Time, "10:00");
    // Leg 3 starts from 0, 0 at leg 1's arrival.
    EXPECT_NEAR(v.End(3).EndLat, -0.167489, 1e-5); // 10 miles south of the equator
    EXPECT_NEAR(v.End(3).EndLon, 0.0, 1e-15);
    EXPECT_EQ(v.shown[3].Time, "11:00");
    // Legs 4 and 5 are empty too and keep the clock.
    EXPECT_EQ(v.shown[5].Time, "11:00");
    EXPECT_EQ(v.shown[5].Date, "07/12/2026");
}

TEST(SailVoyage, AllLegsEmptyShowTheDeparture)
{
    Voyage v;
    v.in.TimeText = "23:59";
    v.Start(12, 34).Sail();
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(v.shown[k].Lat, T("00*00'00 N"));
        EXPECT_EQ(v.shown[k].Lon, T("000*00'00 E"));
        EXPECT_EQ(v.shown[k].Date, "07/12/2026");
        EXPECT_EQ(v.shown[k].Time, "23:59");
    }
    EXPECT_EQ(v.plan.DepartureDateText, "07/12/2026");
    EXPECT_EQ(v.plan.Departure.Seconds, 23 * 3600 + 59 * 60);
}

struct Arrival {
    int y, m, d;
    const char* departure;
    double hours;
    const char* date;
    const char* time;
};

void PrintTo(const Arrival& a, std::ostream* os)
{
    *os << a.d << '/' << a.m << '/' << a.y << ' ' << a.departure << " + " << a.hours << " h";
}

class Arrivals : public testing::TestWithParam<Arrival> {};

TEST_P(Arrivals, CarryDaysIntoTheDate)
{
    const Arrival& a = GetParam();
    Voyage v;
    v.in.Year = a.y;
    v.in.Month = a.m;
    v.in.Day = a.d;
    v.in.TimeText = a.departure;
    v.Leg(1, 0.0, 0.0, a.hours).Sail();
    EXPECT_EQ(v.shown[1].Date, a.date);
    EXPECT_EQ(v.shown[1].Time, a.time);
}

INSTANTIATE_TEST_SUITE_P(Calendar, Arrivals, testing::Values(
    Arrival{2024, 2, 28, "23:30", 1.0, "29/02/2024", "00:30"},
    Arrival{2023, 2, 28, "23:30", 1.0, "01/03/2023", "00:30"},
    Arrival{2099, 12, 31, "23:30", 1.0, "01/01/2100", "00:30"},
    Arrival{2026, 6, 1, "12:00", 1.0 / 60, "01/06/2026", "12:01"},
    Arrival{2026, 6, 1, "00:00", 23 + 59.0 / 60, "01/06/2026", "23:59"},
    Arrival{2026, 6, 1, "00:00", 24.0, "02/06/2026", "00:00"},
    Arrival{2026, 6, 1, "00:00", 99 + 99.0 / 60, "05/06/2026", "04:39"},
    Arrival{3999, 12, 31, "20:00", 99 + 99.0 / 60, "05/01/4000", "00:39"}),
    [](const testing::TestParamInfo<Arrival>& info) { return "case" + std::to_string(info.index); });

TEST(SailVoyage, DepartureTimeTakesTheHourModuloADay)
{
    Voyage v;
    v.in.TimeText = "25:90";
    v.Sail();
    EXPECT_EQ(v.plan.Departure.Seconds, 3600 + 90 * 60);
    EXPECT_EQ(v.shown[1].Time, "02:30");
}

TEST(TimeOfDay, HoursTurnAroundTheClockAndMinutesCarry)
{
    const auto at = [](std::uint16_t h, std::uint16_t m) { return legplot::TimeOfDay({h, m, 0}); };
    EXPECT_EQ(at(25, 0), 3600);
    EXPECT_EQ(at(12, 75), 13 * 3600 + 15 * 60);
    EXPECT_EQ(at(34, 12), 10 * 3600 + 12 * 60);
    EXPECT_EQ(at(23, 75), 15 * 60); // past midnight
    EXPECT_EQ(at(99, 99), 4 * 3600 + 39 * 60);
    EXPECT_EQ(at(8, 30), 8 * 3600 + 30 * 60);
    EXPECT_EQ(legplot::TimeOfDay({255, 255, 255}), (15 * 3600 + 255 * 60 + 255) % 86400);
    EXPECT_THROW(at(256, 0), geo::RangeError);
    EXPECT_THROW(at(0, 256), geo::RangeError);
}

TEST(SailVoyage, SeparatorsComeFromTheInputs)
{
    Voyage v;
    v.in.DateSeparator = '.';
    v.in.TimeSeparator = '.';
    v.in.TimeText = "07.45";
    v.Sail();
    EXPECT_EQ(v.plan.DepartureDateText, "07.12.2026");
    EXPECT_EQ(v.shown[1].Time, "07.45");
}

TEST(SailVoyage, BadDepartureDateStoresNothing)
{
    Voyage v;
    v.Sail();
    const VoyagePlan before = v.plan;
    for (auto [y, m, d] : {std::tuple{1599, 12, 31}, {4000, 1, 1}, {2023, 2, 29}}) {
        v.in.Year = y;
        v.in.Month = m;
        v.in.Day = d;
        v.shown.clear();
        EXPECT_THROW(v.Sail(), geo::RangeError);
        EXPECT_EQ(v.plan.Departure.Day, before.Departure.Day);
        EXPECT_EQ(v.plan.DepartureDateText, before.DepartureDateText);
        EXPECT_TRUE(v.shown.empty());
    }
}

TEST(SailVoyage, BadTimeStopsAfterTheDate)
{
    Voyage v;
    v.Leg(1, 0.0, 10.0, 1.0).Sail();
    const double lat1 = v.End(1).EndLat;
    v.in.Year = 2030;
    v.in.TimeText = "1-:00";
    try {
        v.Sail();
        FAIL();
    } catch (const geo::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'1-' is not a valid integer value");
    }
    EXPECT_EQ(v.plan.DepartureDateText, "07/12/2030");
    EXPECT_EQ(v.End(1).EndLat, lat1);
    EXPECT_TRUE(v.shown.empty());
}

TEST(SailVoyage, BadEllipsoidIndexIsARangeError)
{
    Voyage v;
    v.in.EllipsoidIndex = 25;
    EXPECT_THROW(v.Sail(), geo::RangeError);
    v.in.EllipsoidIndex = -1;
    EXPECT_THROW(v.Sail(), geo::RangeError);
}

TEST(SailVoyage, PoleStopsTheRunAtThatLeg)
{
    Voyage v;
    v.Start(80, 10).Leg(1, 0.0, 10.0, 6.0).Leg(2, 0.0, 10.0, 1.0).Leg(3, 90.0, 5.0, 1.0).Sail();
    const legplot::Leg oldLeg2 = v.End(2);
    const legplot::Leg oldLeg3 = v.End(3);

    v.Leg(1, 0.0, 12.0, 6.0).Leg(2, 0.0, 99.9, 100.65);
    v.shown.clear();
    EXPECT_THROW(v.Sail(), geo::InvalidOperation);
    // Leg 1 is new and shown; legs 2 on keep the previous run's results.
    ASSERT_EQ(v.shown.size(), 1u);
    EXPECT_NEAR(v.End(1).EndLat, 81.2, 0.01);
    EXPECT_EQ(v.End(2).EndLat, oldLeg2.EndLat);
    EXPECT_EQ(v.End(2).ArrivalTime, oldLeg2.ArrivalTime);
    EXPECT_EQ(v.End(3).EndLon, oldLeg3.EndLon);
    // ... marked as no figures, from the leg that stopped the run on.
    EXPECT_TRUE(v.End(1).Computed);
    for (int k = 2; k <= legplot::LegCount; ++k)
        EXPECT_FALSE(v.End(k).Computed) << k;
    // The next run that gets through has figures for every leg again.
    v.Leg(2, 0.0, 10.0, 1.0).Sail();
    for (int k = 1; k <= legplot::LegCount; ++k)
        EXPECT_TRUE(v.End(k).Computed) << k;

    Voyage fromHigh;
    fromHigh.Start(89, 0).Leg(1, 0.0, 99.9, 99 + 99.0 / 60);
    EXPECT_THROW(fromHigh.Sail(), geo::InvalidOperation);
    EXPECT_TRUE(fromHigh.shown.empty());
}

TEST(SailVoyage, HighLatitudeLegEndsOnTheEllipsoid)
{
    Voyage v;
    v.Start(80, 0).Leg(1, 0.0, 60.0, 10.0).Sail();
    EXPECT_NEAR(v.End(1).EndLat, 89.949632, 1e-5);
}

TEST(SailVoyage, EveryEllipsoidGivesFiniteResults)
{
    std::map<double, int> seen;
    for (int index = 0; index < 25; ++index) {
        Voyage v;
        v.in.EllipsoidIndex = index;
        v.Start(40, -30).Leg(1, 33.3, 15.0, 20.0).Leg(2, 90.0, 8.0, 5.0).Leg(3, 222.2, 20, 30).Sail();
        for (int k = 1; k <= 3; ++k) {
            EXPECT_TRUE(std::isfinite(v.End(k).EndLat));
            EXPECT_TRUE(std::isfinite(v.End(k).EndLon));
        }
        EXPECT_EQ(v.plan.CurrentEllipsoid.a, geo::Ellipsoids[static_cast<std::size_t>(index)].a);
        seen[v.End(3).EndLat] = index;
    }
    // Rows that share a, e and e2 agree; every other pair differs.
    // Identical triples: Australian Nat. = S American 69.
    EXPECT_EQ(seen.size(), 24u);
}

TEST(SailVoyage, LongVoyageAcrossTheDateLine)
{
    Voyage v;
    v.Start(0, 170).Leg(1, 90, 99.9, 100.65).Leg(2, 90, 99.9, 100.65).Leg(3, 90, 99.9, 100.65);
    v.Leg(4, 90, 99.9, 100.65).Leg(5, 90, 99.9, 100.65).Sail();
    EXPECT_GT(v.End(5).EndLon, 540.0); // stored unfolded
    const std::string shown = v.shown[5].Lon;
    EXPECT_LE(std::stoi(shown.substr(0, 3)), 180);
}

} // namespace
