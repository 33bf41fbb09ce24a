// CRSs by code and by name, and the datums offered first, against the
// EPSG database as PROJ reads it and the suite's ellipsoids as defined.
#include "datumshift/core/datum_catalogue.h"
#include "datumshift/core/datum_shift.h"
#include "datumshift/core/errors.h"
#include "geo/ellipsoid_definitions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using datumshift::DatumError;
using datumshift::DatumShifter;

TEST(CrsLookup, CodesAndNames)
{
    const struct {
        std::string text;
        const char* code; // "" where refused
        const char* why;
    } cases[] = {
        {"EPSG:4230", "EPSG:4230", ""},
        {"4230", "EPSG:4230", ""},
        {"epsg:04230", "EPSG:4230", ""},
        {"ed50", "EPSG:4230", ""},
        {"OSGB 1936", "EPSG:4277", ""}, // an alias EPSG lists
        {"WGS 84", "EPSG:4326", ""},    // not its 3D twin EPSG:4979
        {"EPSG:4979", "EPSG:4979", ""},
        {"NAD83", "EPSG:4269", ""},     // its own name before NAD83(HARN)'s alias
        {"S-42", "",
         "'S-42' fits several geographic coordinate reference systems: Pulkovo 1942 (EPSG:4284), Pulkovo 1942(83) "
         "(EPSG:4178), Pulkovo 1942(58) (EPSG:4179); give its EPSG code"},
        {"EPSG:99999", "", "EPSG:99999 is not a coordinate reference system of the EPSG database"},
        {"3857", "", "WGS 84 / Pseudo-Mercator (EPSG:3857) is not a geographic coordinate reference system"},
        {"Atlantis 1950", "", "No geographic coordinate reference system of the EPSG database is named 'Atlantis 1950'"},
        {"WGS%", "", "No geographic coordinate reference system of the EPSG database is named 'WGS%'"},
        {"EPSG:43x", "", "'EPSG:43x' is not an EPSG code"},
        {"", "", "No coordinate reference system is given"},
        {std::string(201, 'A'), "", "A coordinate reference system is named in at most 200 characters"},
        {"ED50\n", "", "A coordinate reference system's name holds no control characters"},
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(shifter.Describe(c.text).Code, c.code) << c.text;
        } catch (const DatumError& e) {
            EXPECT_STREQ(e.what(), c.why) << c.text;
        }
    }
    const datumshift::CrsDescription paris = shifter.Describe("EPSG:4807");
    EXPECT_EQ(paris.Name, "NTF (Paris)");
    EXPECT_NEAR(paris.PrimeMeridian, 2.33722917, 1e-12); // EPSG's 2.5969213 grads
    EXPECT_TRUE(shifter.Describe("EPSG:4979").ThreeD);
}

TEST(DatumCatalogue, RowsAreEpsgDatumsOnTheSuitesEllipsoids)
{
    DatumShifter shifter;
    for (int i = 0; i < static_cast<int>(geo::EllipsoidCount); ++i) {
        const datumshift::EllipsoidDatum& row = datumshift::EllipsoidDatums[static_cast<std::size_t>(i)];
        const geo::EllipsoidDefinition defined = geo::DefinedEllipsoid(i);
        const std::string_view name = geo::EllipsoidNames[static_cast<std::size_t>(i)];
        if (row.Code == 0) {
            EXPECT_FALSE(defined.Source.starts_with("EPSG:")) << name;
            EXPECT_FALSE(row.Why.empty()) << name;
            continue;
        }
        const datumshift::CrsDescription crs = shifter.Describe(datumshift::EpsgCode(row.Code));
        EXPECT_EQ(crs.Name, row.Name) << name;
        EXPECT_FALSE(crs.ThreeD) << name;
        EXPECT_EQ(crs.EllipsoidCode, defined.Source) << name;
        EXPECT_EQ(crs.SemiMajorAxis, defined.a) << name;
        EXPECT_NEAR(crs.Flattening, defined.f, 1e-15) << name;
    }
    for (const datumshift::DatumEntry& common : datumshift::CommonDatums)
        EXPECT_EQ(shifter.Describe(datumshift::EpsgCode(common.Code)).Name, common.Name);

    const auto offered = datumshift::OfferedDatums();
    std::set<int> codes;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        EXPECT_TRUE(codes.insert(offered[i].Code).second) << offered[i].Name << " offered twice";
        if (i < datumshift::CommonDatums.size()) {
            EXPECT_EQ(offered[i].Code, datumshift::CommonDatums[i].Code);
        }
    }
    EXPECT_EQ(offered.size(), 21u); // 8 common; 19 ellipsoids have a datum, 6 of them a common one
}

} // namespace
