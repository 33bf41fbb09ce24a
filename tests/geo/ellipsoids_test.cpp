#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"
#include "geo/ellipsoids.h"
#include "geo/errors.h"

#if !defined(_WIN32)
#include "program_output.h"
#endif

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr int PZ90 = 17;
constexpr int StandSphere = 23;
constexpr int ClarkeIGN = 24;

TEST(EllipsoidCatalogue, NamesAreSpelledAsStored)
{
    ASSERT_EQ(geo::EllipsoidNames.size(), 25u);
    ASSERT_EQ(geo::Ellipsoids.size(), 25u);
    EXPECT_EQ(geo::EllipsoidNames[0], "Airy");
    EXPECT_EQ(geo::EllipsoidNames[4], "Clarke1866");
    EXPECT_EQ(geo::EllipsoidNames[8], "Fisher1960");
    EXPECT_EQ(geo::EllipsoidNames[10], "Fisher 1968");
    EXPECT_EQ(geo::EllipsoidNames[15], "Intern.(Hayf)");
    EXPECT_EQ(geo::EllipsoidNames[22], "WGS 84");
    EXPECT_EQ(geo::EllipsoidNames[24], "ClarkeIGN");
    for (auto name : geo::EllipsoidNames) {
        EXPECT_LE(name.size(), 15u) << name;
        for (char c : name)
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name;
    }
}

TEST(EllipsoidCatalogue, LookupCopiesAndChecksItsIndex)
{
    const geo::Ellipsoid airy = geo::EllipsoidAt(0);
    EXPECT_EQ(airy.a, 6377563.396);
    EXPECT_EQ(airy.e2, 0.00667054);
    EXPECT_EQ(geo::EllipsoidAt(24).ep2, 0.0066500921637);
    for (int bad : {-1, 25, 1000, -2147483647 - 1}) {
        try {
            geo::EllipsoidAt(bad);
            ADD_FAILURE() << "index " << bad << " accepted";
        } catch (const geo::RangeError& e) {
            EXPECT_STREQ(e.what(), "Range check error");
        }
    }
}

// The columns are stored, not derived; these checks catch a mistyped digit
// by comparing each row with what its own axes would give, to the precision
// the stored values carry. The rows known to disagree are left out.
TEST(EllipsoidCatalogue, StoredColumnsAgreeWithTheirAxes)
{
    for (int k = 0; k < 25; ++k) {
        const geo::Ellipsoid& g = geo::Ellipsoids[static_cast<std::size_t>(k)];
        SCOPED_TRACE(geo::EllipsoidNames[static_cast<std::size_t>(k)]);
        EXPECT_NEAR(g.e * g.e, g.e2, 2e-11);
        EXPECT_NEAR(g.ep * g.ep, g.ep2, 2e-11);
        if (k != PZ90) {
            EXPECT_NEAR((g.a - g.b) / g.a, g.f, 1e-8);
            EXPECT_NEAR(g.a * g.a / g.b, g.c, 2e-3);
            EXPECT_NEAR(2 * g.f - g.f * g.f, g.e2, 2e-8);
        }
        if (k != ClarkeIGN && k != StandSphere) {
            EXPECT_NEAR(g.e2 / (1 - g.e2), g.ep2, 1e-10);
        }
    }
}

TEST(EllipsoidCatalogue, OddRowsKeepTheirStoredValues)
{
    // PZ-90 carries the e2 of the 1/298.25 rows, not the one of its own f.
    EXPECT_EQ(geo::Ellipsoids[PZ90].a, 6378136.0);
    EXPECT_EQ(geo::Ellipsoids[PZ90].e2, 0.00669454186);
    EXPECT_EQ(geo::Ellipsoids[PZ90].e2, geo::Ellipsoids[2].e2);
    EXPECT_NE(geo::Ellipsoids[PZ90].e, geo::Ellipsoids[2].e);

    // GRS 1980 and WGS 84 share their axes and differ in the eccentricities.
    EXPECT_EQ(geo::Ellipsoids[12].a, geo::Ellipsoids[22].a);
    EXPECT_EQ(geo::Ellipsoids[12].f, geo::Ellipsoids[22].f);
    EXPECT_NE(geo::Ellipsoids[12].e2, geo::Ellipsoids[22].e2);

    const geo::Ellipsoid& sphere = geo::Ellipsoids[StandSphere];
    EXPECT_EQ(sphere.a, sphere.b);
    EXPECT_EQ(sphere.e, 0.0);
    EXPECT_EQ(sphere.e2, 0.0);
    // One arc-minute of a great circle is 1852 m on it, to the 0.1 mm stored.
    EXPECT_NEAR(sphere.a, 1852.0 * 10800.0 / std::numbers::pi, 1e-4);
}

} // namespace

#if !defined(_WIN32) // PROJ's tools run on the build machine
// The defining axes, held against PROJ's own records: the EPSG database's
// ellipsoid table, or PROJ's built-in list for those EPSG lacks.
TEST(EllipsoidDefinitions, AgreeWithPublishedRecords)
{
    for (int k = 0; k < 25; ++k) {
        const geo::EllipsoidDefinition d = geo::DefinedEllipsoid(k);
        SCOPED_TRACE(std::string(geo::EllipsoidNames[static_cast<std::size_t>(k)]) + " " + std::string(d.Source));
        std::string record;
        if (d.Source.starts_with("EPSG:")) {
            record = testsupport::ProgramOutput(
                "sqlite3 /usr/share/proj/proj.db \"select semi_major_axis, ifnull(inv_flattening, ''), "
                "ifnull(semi_minor_axis, '') from ellipsoid where auth_name = 'EPSG' and code = '" +
                std::string(d.Source.substr(5)) + "'\"");
        } else if (d.Source.starts_with("+ellps=")) {
            // "  fschr60 a=6378166.       rf=298.3         Fischer ..."
            const std::string line = testsupport::ProgramOutput("cs2cs -le | awk '$1 == \"" +
                                                                std::string(d.Source.substr(7)) + "\"'");
            const auto field = [&line](const std::string& key) {
                const std::size_t at = line.find(" " + key + "=");
                return at == std::string::npos ? std::string() : line.substr(at + key.size() + 2, line.find(' ', at + 1) - at - key.size() - 2);
            };
            record = field("a") + "|" + field("rf") + "|" + field("b");
        } else {
            EXPECT_NEAR(d.a * geo::Pi / 10800, geo::MetresPerNauticalMile, 1e-9); // the standard sphere
            EXPECT_EQ(d.f, 0.0);
            continue;
        }
        ASSERT_FALSE(record.empty());
        const std::size_t bar1 = record.find('|'), bar2 = record.find('|', bar1 + 1);
        const double a = std::stod(record.substr(0, bar1));
        const std::string rf = record.substr(bar1 + 1, bar2 - bar1 - 1), b = record.substr(bar2 + 1);
        EXPECT_EQ(d.a, a);
        const double f = rf.find_first_of("0123456789") != std::string::npos ? 1 / std::stod(rf) : (a - std::stod(b)) / a;
        EXPECT_NEAR(d.f, f, 1e-15);
    }
    // The rows that computed as other ellipsoids: PZ-90 is not 1/298.25, and
    // WGS 84 and GRS 1980 are two.
    EXPECT_NEAR(1 / geo::DefinedEllipsoid(PZ90).f, 298.257839303, 1e-9);
    EXPECT_NE(geo::DefinedEllipsoid(12).f, geo::DefinedEllipsoid(geo::Wgs84Index).f);
    EXPECT_EQ(geo::EllipsoidIndex("WGS 84"), geo::Wgs84Index);
    EXPECT_EQ(geo::EllipsoidIndex("wgs 84"), -1);
}
#endif
