// Finding stations by name and by position; distances and courses held
// against GeographicLib's GeodSolve.
#include "ebbflow/core/prediction.h"
#include "ebbflow/core/station_search.h"
#include "ebbflow/core/tide_errors.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include "program_output.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

using namespace ebbflow;

const TideDatabase& Db()
{
    static const TideDatabase db = TideDatabase::Open();
    return db;
}

TEST(StationSearch, NamesFindTheirStation)
{
    const struct {
        const char* query;
        KindFilter kind;
        const char* found;
    } cases[] = {
        {"honolulu harbor, oahu", KindFilter::Tide, "Honolulu, Honolulu Harbor, Oahu Island, Hawaii"},
        {"PENUELAS", KindFilter::Any, "Pe\u00f1uelas (Punta Guayanilla), Puerto Rico"},
        {"rincon point, pier 22\u00bd, san francisco bay, california", KindFilter::Tide,
         "Rincon Point, Pier 22\u00bd, San Francisco Bay, California"},
        {"Dernie\u0300re", KindFilter::Tide, "East Isle Derni\u00e8re, Lake Pelto, Louisiana"}, // a combining accent
        // A whole name finds its station though others hold it too.
        {"Mayaguez, Puerto Rico", KindFilter::Tide, "Mayag\u00fcez, Puerto Rico"},
        {"KAUNAKAKAI HARBOR, MOLOKAI ISLAND, HAWAII", KindFilter::Tide, "Kaunakakai Harbor, Molokai Island, Hawaii"},
        {"hell gate (off mill", KindFilter::Current, "Hell Gate (off Mill Rock), New York Current"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindStation(Db(), c.query, c.kind).Name, c.found) << c.query;
}

TEST(StationSearch, NamesThatFindNoneOrSeveralAreRefused)
{
    const struct {
        const char* query;
        KindFilter kind;
        std::string message;
    } cases[] = {
        {"Atlantis", KindFilter::Any, "No station's name holds 'Atlantis'"},
        {"  ", KindFilter::Any, "No station name was given"},
        {"mayag\u00fcez", KindFilter::Tide,
         "'mayag\u00fcez' fits 3 stations: Mayag\u00fcez, Puerto Rico; Mayag\u00fcez, Puerto Rico (sub); Punta "
         "Guanajibo, Mayag\u00fcez, Puerto Rico"},
        {"Hell Gate (off Mill Rock), New York Current", KindFilter::Tide,
         "No station's name holds 'Hell Gate (off Mill Rock), New York Current'"},
    };
    for (const auto& c : cases) {
        try {
            FindStation(Db(), c.query, c.kind);
            ADD_FAILURE() << c.query << " found a station";
        } catch (const StationSearchError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    try {
        FindStation(Db(), "Harbor");
        ADD_FAILURE();
    } catch (const StationSearchError& e) {
        const std::string message = e.what();
        EXPECT_TRUE(message.starts_with("'Harbor' fits ")) << message;
        EXPECT_TRUE(message.ends_with(" more")) << message; // a readable number of names
        EXPECT_EQ(std::count(message.begin(), message.end(), ';'), static_cast<long>(MostNamesListed)) << message;
    }
}

TEST(StationSearch, NearestStationAgreesWithGeodSolve)
{
    const struct {
        double lat, lon;
        KindFilter kind;
        const char* found;
    } cases[] = {
        {21.30, -157.87, KindFilter::Tide, "Honolulu, Honolulu Harbor, Oahu Island, Hawaii"},
        {40.70, -74.02, KindFilter::Tide, "The Battery, New York Harbor, New York"},
        {40.778, -73.94, KindFilter::Current, "Hell Gate (off Mill Rock), New York Current"},
        {21.0, 179.999 + 360, KindFilter::Any, nullptr}, // any longitude is taken
    };
    for (const auto& c : cases) {
        const NearStation near = NearestStation(Db(), c.lat, c.lon, c.kind);
        ASSERT_NE(near.Found, nullptr);
        if (c.found != nullptr) {
            EXPECT_EQ(near.Found->Name, c.found);
        }
        std::ostringstream command;
        command.precision(12);
        command << "echo " << c.lat << ' ' << c.lon << ' ' << near.Found->Latitude << ' ' << near.Found->Longitude
                << " | GeodSolve -i -p 9";
        std::istringstream out(testsupport::ProgramOutput(command.str()));
        double azimuth1 = 0, azimuth2 = 0, metres = 0;
        ASSERT_TRUE(out >> azimuth1 >> azimuth2 >> metres) << command.str();
        EXPECT_NEAR(near.DistanceNm * 1852, metres, 1e-6);
        EXPECT_NEAR(std::remainder(near.CourseDeg - azimuth1, 360), 0, 1e-9);
        EXPECT_TRUE(near.CourseDeg >= 0 && near.CourseDeg < 360);
        double least = INFINITY; // none nearer, measured one by one
        for (const Station* s : ListStations(Db(), c.kind)) {
            double m = 0;
            if (s->PositionKnown)
                GeographicLib::Geodesic::WGS84().Inverse(c.lat, c.lon, s->Latitude, s->Longitude, m);
            least = s->PositionKnown ? std::min(least, m) : least;
        }
        EXPECT_DOUBLE_EQ(near.DistanceNm * 1852, least);
    }
    EXPECT_THROW(NearestStation(Db(), 91, 0), StationSearchError);
    EXPECT_THROW(NearestStation(Db(), NAN, 0), StationSearchError);
}

TEST(StationSearch, ListingsCarryWhatTheCommandLineShows)
{
    const auto currents = ListStations(Db(), KindFilter::Current);
    EXPECT_EQ(currents.size(), 940u + 897u);
    const Station& hellGate = FindStation(Db(), "Hell Gate (off Mill Rock)");
    EXPECT_EQ(StationKindName(hellGate.Kind), "reference_current");
    EXPECT_EQ(UnitsName(hellGate.Unit), "kn"); // knots squared predict knots
    EXPECT_EQ(hellGate.Zone, "America/New_York");
    EXPECT_EQ(hellGate.State, "NY");
    EXPECT_TRUE(hellGate.Datum.empty());
    EXPECT_EQ(hellGate.FloodDirection, 50);
    EXPECT_EQ(hellGate.EbbDirection, 230);
}

} // namespace
