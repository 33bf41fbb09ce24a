#include "solara/window/sun_moon_pages.h"

#include "solara/core/day_texts.h"
#include "timezones/time_text.h"

namespace solara {
namespace {

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

} // namespace

std::string MonthTitle(timezones::CivilDate date)
{
    return std::string(MonthNames[(date.Month - 1) % 12]) + ' ' + std::to_string(date.Year);
}

platform::ResultsPage DayPage(const PageInputs& inputs, const timezones::Zone& zone, const AlmanacDay& day,
                              const std::vector<AlmanacDay>& month)
{
    platform::ResultsPage page;
    page.Title = "Sun and Moon : " + timezones::FormatDate(day.Date);
    page.Inputs = {{"Position", inputs.Position},
                   {"Date", timezones::FormatDate(day.Date)},
                   {"Time zone", zone.Name()},
                   {"Height of eye", inputs.HeightOfEye}};
    page.Results = DayLines(day, zone);
    for (auto& line : MonthPhaseLines(month, zone))
        page.Results.emplace_back(line.first + " in " + MonthTitle(day.Date), line.second);
    page.Notes = {
        "Rise and set: the upper limb on the sea horizon, with 34' of refraction and the dip of the height of eye",
        "(1.76' times the square root of its metres); the Moon with its own parallax and semi-diameter.",
        "Twilights: the Sun's centre at -6\xB0 (civil), -12\xB0 (nautical), -18\xB0 (astronomical). Altitudes: true, of the centre.",
        "Times of " + zone.Name() + ", rounded to the second; the Moon's age, illumination and phase at 12:00.",
    };
    return page;
}

platform::ResultsPage MonthPage(const PageInputs& inputs, const timezones::Zone& zone, timezones::CivilDate date,
                                const std::vector<AlmanacDay>& month)
{
    platform::ResultsPage page;
    page.Title = "Sun and Moon : " + MonthTitle(date) + ", times of " + zone.Name() + " to the minute";
    // One line of inputs and one of headings more, so that a month of 31
    // days and the note fit on the page.
    page.Inputs = {{"Position", inputs.Position + ", height of eye " + inputs.HeightOfEye}};
    const std::vector<std::vector<std::string>> headings = MonthPageHeadings();
    page.Headings = headings[0];
    page.Rows.push_back(headings[1]);
    for (const AlmanacDay& day : month)
        page.Rows.push_back(MonthRow(day, zone, true));
    page.Notes = {MonthTableNote};
    return page;
}

} // namespace solara
