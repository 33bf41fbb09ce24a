// Datum shifts against programs written by others: PROJ's cs2cs and
// projinfo, and pyproj (python3-pyproj), on Debian's grids, each asked
// for the same area of interest around the position (proj_reference.h).
#include "datumshift/core/datum_shift.h"
#include "datumshift/core/errors.h"

#include <gtest/gtest.h>

#include "proj_reference.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using datumshift::DatumError;
using datumshift::DatumShift;
using datumshift::DatumShifter;
using datumshift::FallbackRule;
using proj_reference::Cases;
using proj_reference::Epsg;
using proj_reference::MetresApart;

constexpr double Millimetre = 0.001;

TEST(DatumShift, AgreesWithCs2csProjinfoAndPyproj)
{
    const std::vector<proj_reference::Case> cases(std::begin(Cases), std::end(Cases));
    const auto references = proj_reference::References(cases);

    DatumShifter shifter;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const proj_reference::Case& c = cases[i];
        const proj_reference::Reference& r = references[i];
        const DatumShift s = shifter.Shift(Epsg(c.from), Epsg(c.to), {c.lat, c.lon, c.height});
        EXPECT_LT(MetresApart(r.cs2cs, s.Latitude, s.Longitude), Millimetre) << c.place;
        EXPECT_LT(MetresApart(r.pyproj, s.Latitude, s.Longitude), Millimetre) << c.place;
        if (s.Height) {
            EXPECT_NEAR(*s.Height, r.cs2cs.height, Millimetre) << c.place;
            EXPECT_NEAR(*s.Height, r.pyproj.height, Millimetre) << c.place;
        }

        EXPECT_EQ(s.Used.Name, r.used.name) << c.place;
        EXPECT_EQ(s.Used.Code.value_or(""), r.used.code) << c.place;
        EXPECT_EQ(s.Fallback(), c.fallback) << c.place;
        EXPECT_EQ(r.bestAvailable, !s.Fallback()) << c.place;
        if (s.Fallback()) {
            EXPECT_EQ(s.Better->Name, r.pyprojBetter) << c.place;
            EXPECT_EQ(s.Better->Name, r.best.name) << c.place;
            EXPECT_EQ(s.Better->Code.value_or(""), r.best.code) << c.place;
            EXPECT_FALSE(s.MissingGrids.empty()) << c.place;
        }
    }
}

// Plymouth Sound on OSGB36: the best transformation needs OSTN15, which
// proj-data does not hold. PROJ_NETWORK=ON would make PROJ count the grid
// as there, on its CDN, and then fail to fetch it.
TEST(DatumShift, MissingGridIsNamedAsFallbackAndRefusedWhenStrict)
{
    const std::string fallback =
        "OSGB36 to WGS 84 (6) (EPSG:1314) is used in place of OSGB36 to WGS 84 (9) (EPSG:7710), which needs the grid "
        "uk_os_OSTN15_NTv2_OSGBtoETRS.tif that this machine does not have";
    const std::string refusal =
        "OSGB36 to WGS 84 (9) (EPSG:7710), the best transformation from OSGB36 to WGS 84 here, needs the grid "
        "uk_os_OSTN15_NTv2_OSGBtoETRS.tif that this machine does not have; OSGB36 to WGS 84 (6) (EPSG:1314) would "
        "be used in its place";
    const char* saved = std::getenv("PROJ_NETWORK");
    const std::string kept = saved ? saved : "";
    for (const char* network : {"OFF", "ON"}) {
        setenv("PROJ_NETWORK", network, 1);
        DatumShifter shifter;
        const DatumShift s = shifter.Shift("OSGB36", "WGS 84", {50.3654, -4.1427, 0});
        ASSERT_TRUE(s.Fallback()) << network;
        EXPECT_EQ(datumshift::FallbackText(s), fallback) << network;
        EXPECT_EQ(s.Used.Code, "EPSG:1314");
        EXPECT_EQ(s.Used.Accuracy, 2.0);
        EXPECT_FALSE(s.Used.Ballpark);
        EXPECT_EQ(s.Used.Method, "Position Vector transformation (geog2D domain)");
        try {
            shifter.Shift("OSGB36", "WGS 84", {50.3654, -4.1427, 0}, FallbackRule::Refuse);
            ADD_FAILURE() << "a fallback taken in strict mode, network " << network;
        } catch (const DatumError& e) {
            EXPECT_EQ(e.what(), refusal) << network;
        }
    }
    if (saved)
        setenv("PROJ_NETWORK", kept.c_str(), 1);
    else
        unsetenv("PROJ_NETWORK");
}

TEST(DatumShift, SameDatumBothWaysDoesNotMove)
{
    const struct {
        const char* crs;
        datumshift::Position p;
    } cases[] = {
        {"WGS 84", {50.3654, -4.1427, 0}},
        {"ED50", {43.0, 4.0, 0}},
        {"EPSG:4807", {48.38, -6.8272, 0}}, // NTF (Paris): grads, from Paris
        {"EPSG:4979", {-33.86, 151.21, 55.5}},
        {"Tokyo", {35.45, 139.75, 0}},
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        const DatumShift s = shifter.Shift(c.crs, c.crs, c.p);
        EXPECT_EQ(s.Latitude, c.p.Latitude) << c.crs;
        EXPECT_EQ(s.Longitude, c.p.Longitude) << c.crs;
        EXPECT_EQ(s.ShiftDistance, 0.0) << c.crs;
        EXPECT_FALSE(s.ShiftDirection) << c.crs;
        EXPECT_EQ(s.Used.Accuracy, 0.0) << c.crs;
        EXPECT_FALSE(s.Fallback() || s.OutsideArea) << c.crs;
        EXPECT_EQ(s.Height.has_value(), s.From.ThreeD) << c.crs;
        if (s.Height) {
            EXPECT_EQ(*s.Height, c.p.Height) << c.crs;
        }
    }
}

// Outside every transformation of a datum's own area PROJ offers only the
// ballpark offset, which moves nothing: said, not hidden.
TEST(DatumShift, PositionOutsideTheAreaIsSaid)
{
    const struct {
        const char *from, *to;
        datumshift::Position p;
        const char* outside; // "" for inside
    } cases[] = {
        {"ED50", "WGS 84", {40.0, -20.0, 0}, "ED50 (EPSG:4230)"},          // mid-Atlantic
        {"ED50", "OSGB36", {47.0, -3.0, 0}, "OSGB36 (EPSG:4277)"},         // Bay of Biscay: the target's area
        {"Tokyo", "NAD83", {35.45, 139.75, 0}, "NAD83 (EPSG:4269)"},       // Tokyo Bay
        {"ED50", "OSGB36", {50.0, -4.5, 0}, ""},                           // the Channel
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        const DatumShift s = shifter.Shift(c.from, c.to, c.p);
        const std::string where = std::string(c.from) + " " + c.to;
        if (*c.outside == 0) {
            EXPECT_FALSE(s.OutsideArea) << where;
            EXPECT_FALSE(s.Used.Ballpark) << where;
            continue;
        }
        EXPECT_EQ(s.OutsideArea.value_or(""), std::string("The position is outside the area of use of ") + c.outside)
            << where;
        EXPECT_TRUE(s.Used.Ballpark) << where;
        EXPECT_EQ(s.Used.Code, std::nullopt) << where;
        EXPECT_EQ(s.Used.Accuracy, std::nullopt) << where;
    }
}

TEST(DatumShift, RefusesPositionsOffTheGlobe)
{
    const double nan = std::nan("");
    const struct {
        datumshift::Position p;
        const char* why;
    } cases[] = {
        {{90.5, 0, 0}, "The latitude 90.5 is beyond 90 degrees"},
        {{-91, 0, 0}, "The latitude -91 is beyond 90 degrees"},
        {{nan, 0, 0}, "The latitude is not a number of degrees"},
        {{0, HUGE_VAL, 0}, "The longitude is not a number of degrees"},
        {{0, 0, nan}, "The height is not a number of metres"},
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        try {
            shifter.Shift("ED50", "WGS 84", c.p);
            ADD_FAILURE() << c.why;
        } catch (const DatumError& e) {
            EXPECT_STREQ(e.what(), c.why);
        }
    }
}

} // namespace
