// The daily page: its hourly figures are the almanac's, its v and d the
// differences of its own hourly values over the adopted rates, and its
// texts are rounded once as an almanac prints them.
#include "astro/daily_page.h"

#include "astro/astro_error.h"
#include "astro/star_catalogue.h"

#include <gtest/gtest.h>

#include "pyephem.h"

#include <cmath>

namespace {

constexpr double SecondsPerHour = 3600.0;

TEST(DailyPage, HoursAreTheAlmanacsAndVAndDTheirDifferences)
{
    const struct {
        int Year, Month, Day;
    } dates[] = {{1900, 1, 1}, {1985, 7, 1}, {2024, 3, 20}, {2026, 11, 30}, {2100, 12, 31}};
    // The size v and d may take for each body (minutes of arc): a rate taken
    // for another body's, or a sign turned, falls far outside.
    const struct {
        double LowV, HighV, MaxD;
    } ranges[] = {
        {-0.6, 0.6, 1.0},   // Sun
        {1.5, 17.5, 17.5},  // Moon: 14°19.0' is below its slowest hour
        {-2.5, 2.5, 1.5},   // Venus
        {-1.5, 2.5, 1.0},   // Mars
        {0.5, 2.8, 0.3},    // Jupiter
        {1.0, 3.0, 0.2},    // Saturn
    };
    const double rates[] = {15.0, 14.0 + 19.0 / 60.0, 15.0, 15.0, 15.0, 15.0};
    for (const auto& date : dates) {
        const astro::DailyPage page = astro::DailyPageFor(date.Year, date.Month, date.Day);
        const double midnight = astrotest::UtcOfDate(date.Year, date.Month, date.Day);
        ASSERT_EQ(page.Columns.size(), 7u);
        EXPECT_EQ(page.Columns[6].Body, "Aries");
        EXPECT_EQ(page.Stars.size(), astro::NavigationalStars().size());
        for (std::size_t c = 0; c < page.Columns.size(); ++c) {
            const astro::PageColumn& column = page.Columns[c];
            ASSERT_EQ(column.Hours.size(), 24u) << column.Body;
            double sumV = 0;
            for (int h = 0; h < 24; ++h) {
                const astro::PageHour& row = column.Hours[h];
                const double utc = midnight + h * SecondsPerHour;
                const bool last = date.Year == 2100 && h == 23;
                if (!last) { // the almanac itself ends with 2100
                    EXPECT_EQ(row.GhaDeg, astro::Almanac(column.Body, utc).GhaDeg) << column.Body << ' ' << h;
                }
                if (column.Kind == astro::BodyKind::Aries) {
                    EXPECT_FALSE(row.VArcmin || row.DArcmin || row.DecDeg);
                    continue;
                }
                // The next hour's figures: this page's, or the next day's first.
                double nextGha = 0, nextDec = 0;
                if (h < 23) {
                    nextGha = column.Hours[h + 1].GhaDeg;
                    nextDec = *column.Hours[h + 1].DecDeg;
                } else if (!last) {
                    const astro::AlmanacEntry next = astro::Almanac(column.Body, utc + SecondsPerHour);
                    nextGha = next.GhaDeg;
                    nextDec = *next.DecDeg;
                }
                if (!last) {
                    EXPECT_NEAR(*row.VArcmin, std::remainder(nextGha - row.GhaDeg - rates[c], 360.0) * 60, 1e-9)
                        << column.Body << ' ' << h;
                    EXPECT_NEAR(*row.DArcmin, (nextDec - *row.DecDeg) * 60, 1e-9) << column.Body << ' ' << h;
                }
                EXPECT_GT(*row.VArcmin, ranges[c].LowV) << column.Body << ' ' << h;
                EXPECT_LT(*row.VArcmin, ranges[c].HighV) << column.Body << ' ' << h;
                EXPECT_LT(std::fabs(*row.DArcmin), ranges[c].MaxD) << column.Body << ' ' << h;
                sumV += *row.VArcmin;
            }
            if (column.MeanVArcmin) {
                EXPECT_NEAR(*column.MeanVArcmin, sumV / 24, 1e-12) << column.Body;
            }
        }
    }
}

TEST(DailyPage, PrintsAsTheAlmanacs)
{
    const struct {
        double Value;
        const char* Angle;       // AngleText
        const char* Declination; // DeclinationText
        const char* Minutes;     // MinutesText
    } cases[] = {
        {183.20666, "183°12.4′", "--", "183.2′"},
        {23.435, "23°26.1′", "N 23°26.1′", "23.4′"},
        {-5.05333, "354°56.8′", "S 5°03.2′", "-5.1′"},
        {359.99999, "0°00.0′", "--", "360.0′"},  // rounds up to the whole turn
        {12.99999, "13°00.0′", "N 13°00.0′", "13.0′"}, // the carry into the degrees
        {0.000001, "0°00.0′", "0°00.0′", "0.0′"},
        {-0.000001, "0°00.0′", "0°00.0′", "0.0′"},      // no -0
        {-0.04, "359°57.6′", "S 0°02.4′", "0.0′"},
        {NAN, "--", "--", "--"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(astro::AngleText(c.Value), c.Angle) << c.Value;
        EXPECT_EQ(astro::DeclinationText(c.Value), c.Declination) << c.Value;
        EXPECT_EQ(astro::MinutesText(c.Value), c.Minutes) << c.Value;
    }
    const astro::DailyPage page = astro::DailyPageFor(2024, 3, 20);
    const astro::PageHour& noonSun = page.Columns[0].Hours[12];
    EXPECT_EQ(noonSun.GhaText, astro::AngleText(noonSun.GhaDeg));
    EXPECT_EQ(noonSun.DecText, astro::DeclinationText(*noonSun.DecDeg));
    EXPECT_EQ(page.Columns[0].FootText.rfind("SD 16.", 0), 0u) << page.Columns[0].FootText;
    EXPECT_NE(page.Columns[2].FootText.find("Mag -"), std::string::npos) << page.Columns[2].FootText;
    EXPECT_FALSE(page.Columns[1].Hours[5].HpText.empty());
}

TEST(DailyPage, RefusesWhatIsNoDayOfTheAlmanac)
{
    const struct {
        int Year, Month, Day;
        double Dut1;
        const char* Message;
    } cases[] = {
        {2025, 2, 29, 0, "2025-02-29 is not a date"},
        {2025, 13, 1, 0, "2025-13-01 is not a date"},
        {1899, 12, 31, 0, "Dates before 1900 or after 2100 are not supported"},
        {2101, 1, 1, 0, "Dates before 1900 or after 2100 are not supported"},
        {2024, 6, 1, 1.5, "DUT1 must lie between -1 and +1 seconds"},
    };
    for (const auto& c : cases) {
        try {
            astro::DailyPageFor(c.Year, c.Month, c.Day, c.Dut1);
            ADD_FAILURE() << c.Message << ": accepted";
        } catch (const astro::AstroError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

} // namespace
