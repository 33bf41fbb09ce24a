#include "obsprep/core/plan_texts.h"

#include "celpos/core/angle_texts.h"
#include "geo/position_text.h"
#include "timezones/time_text.h"
#include "timezones/zone.h"

#include <algorithm>

namespace obsprep {
namespace {

constexpr int MagnitudeDecimals = 1;

const char* TwilightName(Twilight when) { return when == Twilight::Morning ? "morning" : "evening"; }

std::string DegreesText(double degrees) { return geo::DecimalText(degrees, 0) + "\xB0"; }

std::string ListTimeText(const Plan& plan)
{
    const std::string twilight = TwilightName(plan.Asked.When);
    if (!plan.Utc) return "none: no " + twilight + " nautical twilight this day; type the time";
    return TimeText(plan.Utc) + (plan.AtTwilight ? " (middle of " + twilight + " nautical twilight)" : "");
}

} // namespace

std::string TimeText(const std::optional<double>& utc)
{
    if (!utc) return "none";
    std::string iso = timezones::FormatIsoUtc(*utc); // "2026-12-09T16:41:05Z"
    iso[iso.find('T')] = ' ';
    iso.pop_back();
    return iso + " UT";
}

Lines TwilightLines(const Plan& plan)
{
    const TwilightTimes& t = plan.Times;
    return {
        {"Ship's day",
         timezones::FormatDate(plan.Asked.Date) + " (" + timezones::ZoneDifferenceText(plan.ZoneDifference) + ")"},
        {"Morning nautical twilight", TimeText(t.MorningNautical)},
        {"Morning civil twilight", TimeText(t.MorningCivil)},
        {"Meridian passage", TimeText(t.MeridianPassage)},
        {"Evening civil twilight", TimeText(t.EveningCivil)},
        {"Evening nautical twilight", TimeText(t.EveningNautical)},
    };
}

Lines ListLines(const Plan& plan, geo::AngleFormat format)
{
    const auto dr = [&](bool isLongitude) {
        if (!plan.DrThen) return std::string("none");
        return geo::FormatAngle(format, isLongitude, isLongitude ? plan.DrThen->LonDeg : plan.DrThen->LatDeg);
    };
    return {
        {"Time of the list", ListTimeText(plan)},
        {"DR latitude then", dr(false)},
        {"DR longitude then", dr(true)},
        {"Proposed set", ProposedText(plan)},
    };
}

std::string ProposedText(const Plan& plan)
{
    if (!plan.Utc) return "none";
    if (plan.Proposed.empty())
        return "none: fewer than " + std::to_string(plan.Asked.SetSize) + " stars between " +
               DegreesText(LowestAltitude) + " and " + DegreesText(HighestAltitude);
    std::string text;
    for (const SkyBody& b : plan.Proposed)
        text += (text.empty() ? "" : ", ") + b.Body + " " + celpos::AzimuthText(b.ZnDeg);
    return text;
}

std::vector<std::string> ListHeadings() { return {"Body", "Hc", "Zn", "Mag.", "Set"}; }

bool IsProposed(const Plan& plan, const std::string& body)
{
    return std::ranges::any_of(plan.Proposed, [&](const SkyBody& b) { return b.Body == body; });
}

std::vector<std::vector<std::string>> ListRows(const Plan& plan)
{
    std::vector<std::vector<std::string>> rows;
    for (const SkyBody& b : plan.Bodies)
        rows.push_back({b.Body, celpos::AltitudeText(b.HcDeg), celpos::AzimuthText(b.ZnDeg), MagnitudeText(b.Magnitude),
                        IsProposed(plan, b.Body) ? "proposed" : ""});
    return rows;
}

std::vector<std::string> PageHeadings() { return {"Body", "Hc", "Zn", "Mag.", "Body", "Hc", "Zn", "Mag."}; }

std::vector<std::vector<std::string>> PageRows(const Plan& plan)
{
    const std::vector<SkyBody>& bodies = plan.Bodies;
    const std::size_t half = (bodies.size() + 1) / 2;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t r = 0; r < half; ++r) {
        std::vector<std::string> row;
        for (const std::size_t i : {r, r + half}) {
            if (i >= bodies.size()) break;
            const SkyBody& b = bodies[i];
            row.insert(row.end(), {b.Body + (IsProposed(plan, b.Body) ? " *" : ""), celpos::AltitudeText(b.HcDeg),
                                   celpos::AzimuthText(b.ZnDeg), MagnitudeText(b.Magnitude)});
        }
        rows.push_back(row);
    }
    return rows;
}

std::string MagnitudeText(const std::optional<double>& magnitude)
{
    return magnitude ? geo::DecimalText(*magnitude, MagnitudeDecimals) : "--";
}

} // namespace obsprep
