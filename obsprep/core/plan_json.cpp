#include "obsprep/core/plan_json.h"

#include "platform/command_line/json.h"
#include "timezones/time_text.h"

namespace obsprep {
namespace {

cli::Json TimeJson(const std::optional<double>& utc)
{
    return utc ? cli::Json::String(timezones::FormatIsoUtc(*utc)) : cli::Json::Null();
}

} // namespace

std::string PlanJson(const Plan& plan)
{
    std::vector<cli::Json> bodies, proposed;
    for (const SkyBody& b : plan.Bodies)
        bodies.push_back(cli::JsonObject()
                             .Add("body", cli::Json::String(b.Body))
                             .Add("hc_deg", cli::Json::Number(b.HcDeg))
                             .Add("zn_deg", cli::Json::Number(b.ZnDeg))
                             .Add("magnitude", cli::Json::NumberOrNull(b.Magnitude))
                             .Value());
    for (const SkyBody& b : plan.Proposed)
        proposed.push_back(cli::Json::String(b.Body));
    const auto dr = [&](double Place::*field) {
        return plan.DrThen ? cli::Json::Number((*plan.DrThen).*field) : cli::Json::Null();
    };
    const TwilightTimes& t = plan.Times;
    return cli::JsonObject()
        .Add("date", cli::Json::String(timezones::FormatDate(plan.Asked.Date)))
        .Add("zone_difference", cli::Json::Integer(plan.ZoneDifference))
        .Add("morning_nautical_twilight", TimeJson(t.MorningNautical))
        .Add("morning_civil_twilight", TimeJson(t.MorningCivil))
        .Add("meridian_passage", TimeJson(t.MeridianPassage))
        .Add("evening_civil_twilight", TimeJson(t.EveningCivil))
        .Add("evening_nautical_twilight", TimeJson(t.EveningNautical))
        .Add("time", TimeJson(plan.Utc))
        .Add("time_is_twilight", cli::Json::Bool(plan.AtTwilight))
        .Add("dr_latitude_deg", dr(&Place::LatDeg))
        .Add("dr_longitude_deg", dr(&Place::LonDeg))
        .Add("bodies", cli::Json::Array(bodies))
        .Add("proposed", cli::Json::Array(proposed))
        .Line();
}

} // namespace obsprep
