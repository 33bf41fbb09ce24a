#include "celpos/core/plotting_sheet.h"

#include "geo/constants.h"
#include "geo/position_text.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace celpos {
namespace {

constexpr double SmallestSpanNm = 2;
constexpr double Margin = 1.25;      // room about what is drawn
constexpr double GridsAcross = 5;    // about this many grid spacings each way

double Radians(double degrees) { return degrees / geo::DegreesPerRadian; }

// The grid spacing: 1, 2 or 5 times a power of ten, near span / GridsAcross.
double RoundSpacing(double span)
{
    const double raw = span / GridsAcross;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0})
        if (step * decade >= raw)
            return step * decade;
    return 10 * decade;
}

} // namespace

PlottingSheet SheetOf(const SightRound& round, const std::vector<SightReduction>& reductions,
                      const std::optional<Fix>& fix)
{
    PlottingSheet sheet;
    if (reductions.empty()) {
        sheet.LatDeg = round.DrLatDeg;
        sheet.LonDeg = round.DrLonDeg;
        sheet.HalfSpanNm = SmallestSpanNm;
        sheet.GridNm = RoundSpacing(SmallestSpanNm);
        return sheet;
    }
    double fixUtc = reductions.front().Utc;
    for (const SightReduction& r : reductions)
        fixUtc = std::max(fixUtc, r.Utc);
    const Place origin = DeadReckoning(round, fixUtc);
    sheet.LatDeg = origin.LatDeg;
    sheet.LonDeg = origin.LonDeg;
    const double shrink = std::cos(Radians(origin.LatDeg));
    const auto onSheet = [&](double lat, double lon) {
        return SheetPoint{std::remainder(lon - origin.LonDeg, 360.0) * geo::MinutesPerDegree * shrink,
                          (lat - origin.LatDeg) * geo::MinutesPerDegree};
    };

    std::vector<std::size_t> byTime(reductions.size());
    std::iota(byTime.begin(), byTime.end(), 0);
    std::ranges::stable_sort(byTime, {}, [&](std::size_t i) { return reductions[i].Utc; });
    for (const std::size_t i : byTime)
        sheet.DrTrack.push_back(onSheet(reductions[i].LatDeg, reductions[i].LonDeg));
    sheet.DrTrack.push_back({0, 0});
    if (fix)
        sheet.Fix = onSheet(fix->LatDeg, fix->LonDeg);

    // How far the sheet must reach: the track, the fix, the intercepts' feet.
    double reach = SmallestSpanNm / Margin;
    const auto cover = [&reach](SheetPoint p) { reach = std::max({reach, std::fabs(p.EastNm), std::fabs(p.NorthNm)}); };
    std::ranges::for_each(sheet.DrTrack, cover);
    if (sheet.Fix)
        cover(*sheet.Fix);
    std::vector<std::pair<SheetPoint, SheetPoint>> feet; // where reduced, and run on
    for (const SightReduction& r : reductions) {
        const double zn = Radians(r.Computed.ZnDeg);
        const SheetPoint dr = onSheet(r.LatDeg, r.LonDeg);
        const SheetPoint toward{r.InterceptNm * std::sin(zn), r.InterceptNm * std::cos(zn)};
        const SheetPoint foot{dr.EastNm + toward.EastNm, dr.NorthNm + toward.NorthNm};
        feet.emplace_back(foot, toward); // run on, the foot moves with the DR to the origin
        cover(foot);
        cover(toward);
    }
    sheet.HalfSpanNm = reach * Margin;
    sheet.GridNm = RoundSpacing(sheet.HalfSpanNm);

    for (std::size_t i = 0; i < reductions.size(); ++i) {
        const double zn = Radians(reductions[i].Computed.ZnDeg);
        const SheetPoint along{std::cos(zn), -std::sin(zn)}; // the line lies across the azimuth
        const double half = sheet.HalfSpanNm * 1.5;
        const auto line = [&](SheetPoint foot, bool runOn) {
            return SheetLine{static_cast<int>(i + 1), runOn,
                             {foot.EastNm - half * along.EastNm, foot.NorthNm - half * along.NorthNm},
                             {foot.EastNm + half * along.EastNm, foot.NorthNm + half * along.NorthNm},
                             foot};
        };
        const bool moved = reductions[i].Utc < fixUtc && round.Between.SpeedKn > 0;
        if (moved)
            sheet.Lines.push_back(line(feet[i].first, false));
        sheet.Lines.push_back(line(feet[i].second, true));
    }
    return sheet;
}

std::string ScaleText(const PlottingSheet& sheet)
{
    return "Grid " + geo::DecimalText(sheet.GridNm) + " nm";
}

} // namespace celpos
