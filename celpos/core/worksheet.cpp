#include "celpos/core/worksheet.h"

#include "astro/almanac.h"
#include "celpos/core/angle_texts.h"
#include "geo/position_text.h"
#include "timezones/time_text.h"

namespace celpos {
namespace {

std::string Arcmin(double value) { return geo::DecimalText(value, 1) + "'"; }

} // namespace

BodyPosition AlmanacPosition(const std::string& body, double utc, double dut1)
{
    const astro::AlmanacEntry e = astro::Almanac(body, utc, dut1);
    BodyPosition p;
    p.GhaDeg = e.GhaDeg;
    p.DecDeg = e.DecDeg.value_or(0);
    p.Disc = {e.SdArcmin.value_or(0), e.HpArcmin.value_or(0), e.Kind == astro::BodyKind::Moon};
    p.IsStar = e.Kind == astro::BodyKind::Star;
    return p;
}

Lines AlmanacLines(const BodyPosition& place)
{
    Lines lines = {{"GHA", HourAngleText(place.GhaDeg)}, {"Declination", DeclinationText(place.DecDeg)}};
    if (!place.IsStar) {
        lines.emplace_back("Semi-diameter", Arcmin(place.Disc.SdArcmin));
        lines.emplace_back("Horizontal parallax", Arcmin(place.Disc.HpArcmin));
    }
    return lines;
}

Lines WorksheetLines(const Sight& sight, const SightReduction& r)
{
    const AltitudeCorrections& c = r.Corrections;
    Lines lines = {{"Body", sight.Body + (sight.LimbTaken == Limb::Centre ? "" : ", " + LimbName(sight.LimbTaken) + " limb")},
                   {"UT", timezones::FormatIsoUtc(r.Utc)}};
    for (auto& line : AlmanacLines(r.Place))
        lines.push_back(std::move(line));
    const Lines rest = {
        {"Hs", AltitudeText(sight.HsDeg)},
        {"Index correction", CorrectionText(c.Index)},
        {"Dip", CorrectionText(c.Dip)},
        {"Apparent altitude", AltitudeText(c.HaDeg)},
        {"Refraction", CorrectionText(c.Refraction)},
        {"Parallax", CorrectionText(c.Parallax)},
        {"Semi-diameter correction", CorrectionText(c.SemiDiameter)},
        {"Ho", AltitudeText(c.HoDeg)},
        {"Reduced from", PositionText(r.LatDeg, r.LonDeg)},
        {"LHA", HourAngleText(r.Computed.LhaDeg)},
        {sight.Noon ? "Meridian altitude" : "Hc", AltitudeText(r.Computed.HcDeg)},
        {"Zn", AzimuthText(r.Computed.ZnDeg)},
        {"Intercept", InterceptText(r.InterceptNm)},
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    if (r.LatitudeDeg)
        lines.emplace_back(sight.Noon ? "Latitude by noon sight" : "Latitude by Polaris",
                           LatitudeText(*r.LatitudeDeg));
    return lines;
}

Lines FixLines(const Fix& fix)
{
    Lines lines = {{"Fix", PositionText(fix.LatDeg, fix.LonDeg)},
                   {"Time", timezones::FormatIsoUtc(fix.Utc)},
                   {"DR at that time", PositionText(fix.DrAtFix.LatDeg, fix.DrAtFix.LonDeg)}};
    for (std::size_t i = 0; i < fix.ResidualsArcmin.size(); ++i)
        lines.emplace_back("Sight " + std::to_string(i + 1) + " residual", CorrectionText(fix.ResidualsArcmin[i]));
    for (const std::string& w : fix.Warnings)
        lines.emplace_back("Warning", w);
    return lines;
}

} // namespace celpos
