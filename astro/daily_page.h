// The almanac's daily page: for a UTC date, the hourly GHA and
// declination of the Sun, the Moon, Venus, Mars, Jupiter, Saturn and
// Aries with v and d, the SHA and declination of the stars for the day,
// SD, HP and magnitudes, with the texts as an almanac prints them.
//
// Conventions:
// - Figures as Almanac gives them (almanac.h), at the whole hours 00 to
//   23 UT of the date; UT1 = UTC + dut1.
// - v: the excess of the GHA's change from one hour to the next over the
//   adopted rate, 15°00.0' an hour for the Sun and the planets, 14°19.0'
//   for the Moon (minutes of arc, signed: Venus's may be negative). d: the
//   change of declination over that hour (minutes of arc, signed, north
//   positive); the texts print its size, as the almanacs do. The hour 23
//   takes its change to 00 of the next day.
// - The day's v and d (printed at the foot of a column): their means over
//   the 24 hours, (value at 24h - value at 0h) / 24, less the rate.
// - The stars' SHA and declination, the semi-diameters, horizontal
//   parallaxes and magnitudes at 12:00 UT; the Moon's HP at every hour.
// - Texts: degrees and minutes to 0.1', rounded once ("183°12.4′", "N 23°26.1′",
//   "S 5°03.2′"), 360° shown as 0°00.0′; degree sign and prime in UTF-8.
#pragma once

#include "astro/almanac.h"

#include <optional>
#include <string>
#include <vector>

namespace astro {

struct PageHour {
    int Hour;                          // UT, 0 to 23
    double GhaDeg;                     // [0, 360)
    std::optional<double> DecDeg;      // none for Aries
    std::optional<double> VArcmin;     // none for Aries
    std::optional<double> DArcmin;     // none for Aries
    std::optional<double> HpArcmin;    // the Moon's only
    std::string GhaText;               // "183°12.4′"
    std::string DecText;               // "N 23°26.1′", empty for Aries
    std::string VText, DText, HpText;  // "0.9′" and the like, empty where there is none
};

struct PageColumn {
    std::string Body;
    BodyKind Kind;
    std::vector<PageHour> Hours;           // 24
    std::optional<double> MeanVArcmin;     // the day's v: the planets' and the Moon's
    std::optional<double> MeanDArcmin;     // the day's d: the Sun's, the Moon's and the planets'
    std::optional<double> SdArcmin;        // at 12:00 UT: the Sun, the Moon, the planets
    std::optional<double> HpArcmin;        // at 12:00 UT
    std::optional<double> Magnitude;       // at 12:00 UT: the planets
    std::string FootText;                  // "SD 16.3′  d 0.3′", "v 0.9′  d 0.3′  Mag -4.1" as printed
};

struct PageStar {
    std::string Name;
    double ShaDeg, DecDeg;
    double Magnitude;
    std::string ShaText, DecText;
};

struct DailyPage {
    int Year, Month, Day;
    std::vector<PageColumn> Columns; // Sun, Moon, Venus, Mars, Jupiter, Saturn, Aries
    std::vector<PageStar> Stars;     // the catalogue's stars in their numbered order
};

// The page of the UTC date year-month-day. Throws AstroError for a date
// that is not one ("2025-02-30 is not a date"), TimeRangeError for one
// outside 1900-2100 or a DUT1 beyond a second.
DailyPage DailyPageFor(int year, int month, int day, double dut1 = 0);

// The almanac's texts: an angle in [0, 360) (degrees) as "183°12.4′", a
// declination as "N 23°26.1′" or "S 5°03.2′" ("0°00.0′" when it rounds to
// nought), minutes of arc as "0.9′" or "-0.4′". Not a number gives "--".
std::string AngleText(double degrees);
std::string DeclinationText(double degrees);
std::string MinutesText(double arcmin);

} // namespace astro
