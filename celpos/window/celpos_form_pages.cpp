// The position-fix window's printouts: the fix with its sights (File >
// Print), the selected sight's worksheet, and the almanac's daily page of
// the sight's date; and the plotting sheet's window.
#include "celpos/window/celpos_form.h"

#include "astro/daily_page.h"
#include "celpos/core/angle_texts.h"
#include "celpos/core/worksheet.h"
#include "celpos/window/plotting_sheet_form.h"
#include "geo/position_text.h"
#include "platform/desktop/latin1.h"
#include "platform/print/print_service.h"
#include "timezones/civil_calendar.h"
#include "timezones/time_text.h"

#include <QDateTime>
#include <QTableWidget>

#include <cmath>

namespace celpos {
namespace {

// The almanac's UTF-8 texts in the pages' 8-bit ones; its prime becomes
// the minute mark the pages print.
std::string PageText(std::string utf8)
{
    for (std::size_t at; (at = utf8.find("\xE2\x80\xB2")) != std::string::npos;)
        utf8.replace(at, 3, "'");
    return platform::FromQt(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

const std::vector<std::string> Conventions = {
    "Ho: Hs + index correction (-IE) + dip (0.0293 deg sqrt h) + refraction (0.0167 deg / tan(Ha + 7.31/(Ha + 4.4)), "
    "x 0.28 P/(T + 273)) + parallax (HP cos H) + semi-diameter (the Moon's augmented).",
    "Hc and Zn computed from the DR at each sight's time; the fix by least squares over the lines run on along the "
    "rhumb line to the last sight. Times UT; the almanac's places apparent, true equinox of date.",
};

} // namespace

platform::ResultsPage TCelPosForm::FixPage() const
{
    platform::ResultsPage page;
    page.Title = "Astronomical Position Fix";
    page.Inputs = {{"DR at the first sight", PositionText(entries_.DrLatDeg, entries_.DrLonDeg)},
                   {"Course and speed", entries_.Course + "\xB0  " + entries_.Speed + " kn"},
                   {"Height of eye", entries_.HeightOfEye + " m"},
                   {"Temperature and pressure", entries_.Temperature + "\xB0" "C  " + entries_.Pressure + " hPa"},
                   {"Index error", entries_.IndexError + "'"},
                   {"Watch error and DUT1", entries_.WatchError + " s  " + entries_.Dut1 + " s"}};
    if (fix_)
        page.Results = FixLines(*fix_);
    else
        page.Results = {{"Fix", platform::FromQt(QString::fromUtf8(problem_.c_str()))}};
    // Narrow columns: the time of day (the dates are the inputs'), the
    // intercept in miles, positive toward.
    page.Headings = {"No.", "Body", "UT", "Ho", "Hc", "Zn", "Intercept nm", "Residual"};
    for (std::size_t i = 0; i < entries_.Sights.size(); ++i) {
        const SightEntry& s = entries_.Sights[i];
        std::vector<std::string> cells = {std::to_string(i + 1), s.Body, s.Time.substr(11, 8), "", "", "", "", ""};
        if (i < reductions_.size()) {
            const SightReduction& r = reductions_[i];
            cells[3] = AltitudeText(r.Corrections.HoDeg);
            cells[4] = AltitudeText(r.Computed.HcDeg);
            cells[5] = AzimuthText(r.Computed.ZnDeg);
            cells[6] = (r.InterceptNm >= 0.05 ? "+" : "") + geo::DecimalText(r.InterceptNm, 1);
        }
        if (fix_ && i < fix_->ResidualsArcmin.size())
            cells[7] = CorrectionText(fix_->ResidualsArcmin[i]);
        page.Rows.push_back(cells);
    }
    if (!entries_.Sights.empty())
        page.Inputs.emplace_back("Sights", entries_.Sights.front().Time.substr(0, 10) + " to " +
                                               entries_.Sights.back().Time.substr(0, 10) + " (UT)");
    page.Notes = Conventions;
    return page;
}

platform::ResultsPage TCelPosForm::WorksheetPage() const
{
    platform::ResultsPage page;
    const int row = Selected();
    page.Title = "Sight Reduction" + (row < 0 ? std::string() : " : Sight " + std::to_string(row + 1));
    if (row < 0 || !round_ || static_cast<std::size_t>(row) >= reductions_.size()) {
        page.Results = {{"Worksheet", row < 0 ? "no sight" : platform::FromQt(QString::fromUtf8(problem_.c_str()))}};
        return page;
    }
    const SightReduction& r = reductions_[static_cast<std::size_t>(row)];
    page.Inputs = {{"Height of eye", geo::DecimalText(r.Conditions.HeightOfEyeM) + " m"},
                   {"Temperature and pressure", geo::DecimalText(r.Conditions.TemperatureC) + "\xB0" "C  " +
                                                    geo::DecimalText(r.Conditions.PressureHpa) + " hPa"},
                   {"Index error", geo::DecimalText(r.Conditions.IndexErrorArcmin) + "'"}};
    page.Results = WorksheetLines(round_->Sights[static_cast<std::size_t>(row)], r);
    page.Notes = Conventions;
    return page;
}

void TCelPosForm::PrintWorksheet()
{
    const platform::ResultsPage page = WorksheetPage();
    platform::Printing().Print(this, QStringLiteral("Sight reduction"),
                               [&page](platform::PrintCanvas& canvas) { platform::DrawResultsPage(canvas, page); });
}

void TCelPosForm::PrintAlmanacPage()
{
    // The date of the selected sight, or today's.
    const int row = Selected();
    const double utc = row >= 0 && static_cast<std::size_t>(row) < reductions_.size()
                           ? reductions_[static_cast<std::size_t>(row)].Utc
                           : static_cast<double>(QDateTime::currentSecsSinceEpoch());
    const timezones::CivilDate day =
        timezones::CivilFromDays(timezones::FloorDiv(static_cast<std::int64_t>(std::floor(utc)), timezones::SecondsPerDay));
    const double dut1 = round_ ? round_->Settings.Dut1S : 0.0;
    const astro::DailyPage almanac = astro::DailyPageFor(day.Year, day.Month, day.Day, dut1);

    platform::ResultsPage page;
    page.Title = "Almanac : " + timezones::FormatDate(day) + " (UT)";
    page.Headings = {"UT", "Sun GHA", "Sun Dec", "Moon GHA", "Moon Dec", "Moon HP", "Aries GHA"};
    const auto column = [&almanac](std::string_view body) -> const astro::PageColumn& {
        for (const astro::PageColumn& c : almanac.Columns)
            if (c.Body == body)
                return c;
        return almanac.Columns.front();
    };
    const astro::PageColumn &sun = column("Sun"), &moon = column("Moon"), &aries = column("Aries");
    for (std::size_t h = 0; h < sun.Hours.size(); ++h)
        page.Rows.push_back({(h < 10 ? "0" : "") + std::to_string(h), PageText(sun.Hours[h].GhaText),
                             PageText(sun.Hours[h].DecText), PageText(moon.Hours[h].GhaText),
                             PageText(moon.Hours[h].DecText), PageText(moon.Hours[h].HpText),
                             PageText(aries.Hours[h].GhaText)});
    for (const astro::PageColumn& c : almanac.Columns) {
        if (c.Kind == astro::BodyKind::Aries)
            continue;
        std::string line = PageText(c.FootText);
        if (c.Kind == astro::BodyKind::Planet && c.Hours.size() > 12)
            line = "12h GHA " + PageText(c.Hours[12].GhaText) + "  Dec " + PageText(c.Hours[12].DecText) + "  " + line;
        page.Results.emplace_back(c.Body, line);
    }
    page.Notes = {"GHA and declination apparent, true equinox of date, at the whole hours of UT (UT1 = UTC + DUT1).",
                  "The stars' SHA and declination: celpos almanac --list names them; celpos almanac STAR TIME gives them."};
    platform::Printing().Print(this, QStringLiteral("Almanac page"),
                               [&page](platform::PrintCanvas& canvas) { platform::DrawResultsPage(canvas, page); });
}

void TCelPosForm::ShowPlottingSheet()
{
    if (!sheet_)
        sheet_ = std::make_unique<TPlottingSheetForm>(this);
    sheet_->Show(round_ ? SheetOf(*round_, reductions_, fix_) : PlottingSheet{});
    sheet_->show();
    sheet_->raise();
    sheet_->activateWindow();
}

} // namespace celpos
