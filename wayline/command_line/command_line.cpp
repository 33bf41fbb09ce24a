#include "wayline/command_line/command_line.h"

#include "geo/constants.h"
#include "geo/ellipsoids.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "wayline/core/composite_track.h"
#include "wayline/core/plan_texts.h"
#include "wayline/core/utc_time.h"
#include "wayline/files/gpx_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace wayline {
namespace {

const cli::Option GreatCircles{"--gc"}, RhumbLines{"--rhumb"}, Speed{"--speed", "KN"},
    Departure{"--departure", "TIME"}, StepDegrees{"--step-deg", "N"}, StepMiles{"--step-nm", "N"},
    RouteNumber{"--route", "N"}, Composite{"--composite", "LAT"};

// A number as scripts write it: decimals in the C locale, nothing around.
double NumberOf(const std::string& option, const std::string& text, const char* what)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        throw cli::InputError(option + " '" + geo::ShownText(text) + "' is not " + what);
    return value;
}

std::optional<SplitStep> StepOf(const cli::Arguments& args)
{
    const std::optional<std::string> degrees = args.Value(StepDegrees.Name), miles = args.Value(StepMiles.Name);
    if (degrees && miles)
        throw cli::InputError("--step-deg and --step-nm exclude each other: give one step");
    if (degrees)
        return SplitStep{SplitStep::Unit::Degrees, NumberOf(StepDegrees.Name, *degrees, "a number of degrees")};
    if (miles)
        return SplitStep{SplitStep::Unit::NauticalMiles, NumberOf(StepMiles.Name, *miles, "a number of nautical miles")};
    return std::nullopt;
}

std::optional<std::size_t> RouteIndexOf(const cli::Arguments& args)
{
    const std::optional<std::string> text = args.Value(RouteNumber.Name);
    if (!text)
        return std::nullopt;
    const bool digits = !text->empty() && text->size() < 7 &&
                        std::ranges::all_of(*text, [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoul(*text) == 0)
        throw cli::InputError("--route '" + geo::ShownText(*text) + "' is not a route's number (1, 2, ...)");
    return std::stoul(*text) - 1;
}

// The route the arguments ask for, with their speeds, departure and kinds.
Route RouteOf(const cli::Arguments& args, const Earth& earth)
{
    const bool composite = args.Value(Composite.Name).has_value();
    const std::size_t operands = args.Operands().size();
    Route route;
    if (composite) {
        if (args.Flag(GreatCircles.Name) || args.Flag(RhumbLines.Name) || args.Value(RouteNumber.Name))
            throw cli::InputError("--composite takes two positions and no --gc, --rhumb or --route");
        if (operands != 2)
            throw cli::InputError("--composite takes two positions, FROM and TO");
        const cli::Position from = cli::PositionOf(args.Operands()[0]), to = cli::PositionOf(args.Operands()[1]);
        const double limit = NumberOf(Composite.Name, *args.Value(Composite.Name), "a latitude in degrees");
        route = CompositeTrack(earth, {"", from.Lat, from.Lon}, {"", to.Lat, to.Lon}, limit);
    } else {
        if (operands != 1)
            throw cli::InputError(operands == 0 ? "a GPX file, please (or --composite LAT FROM TO)"
                                                : "one GPX file, please");
        if (args.Flag(GreatCircles.Name) && args.Flag(RhumbLines.Name))
            throw cli::InputError("--gc and --rhumb exclude each other");
        route = ReadGpxFile(args.Operands()[0], RouteIndexOf(args)).Plan;
        if (args.Flag(GreatCircles.Name))
            route = WithKind(route, LegKind::GreatCircle);
        if (args.Flag(RhumbLines.Name))
            route = WithKind(route, LegKind::Rhumb);
    }
    if (const std::optional<std::string> knots = args.Value(Speed.Name)) {
        const double speed = NumberOf(Speed.Name, *knots, "a speed in knots");
        if (speed < 0)
            throw cli::InputError("--speed '" + geo::ShownText(*knots) + "' is not a speed in knots");
        route = WithSpeed(route, speed);
    }
    // ETAs come from --departure alone, as scripts are promised: a departure
    // a file carries is the window's to show.
    route.Departure.reset();
    if (const std::optional<std::string> time = args.Value(Departure.Name)) {
        try {
            route.Departure = timezones::ParseInstant(*time);
        } catch (const timezones::TimeError& e) {
            throw cli::InputError(std::string("--departure: ") + e.what());
        }
    }
    return route;
}

cli::Json Iso(const std::optional<double>& t)
{
    return t ? cli::Json::String(UtcText(*t)) : cli::Json::Null();
}

cli::Json LegJson(const LegPlan& leg)
{
    const LegSolution& s = leg.Solution;
    static const char* const Kinds[] = {"rhumb", "great_circle", "parallel"};
    cli::JsonObject o;
    o.Add("from", cli::Json::String(leg.From)).Add("to", cli::Json::String(leg.To));
    o.Add("kind", cli::Json::String(Kinds[static_cast<int>(s.Kind)]));
    if (s.Kind == LegKind::GreatCircle)
        o.Add("initial_course_deg", cli::Json::NumberOrNull(s.InitialCourse))
            .Add("final_course_deg", cli::Json::NumberOrNull(s.FinalCourse));
    else
        o.Add("course_deg", cli::Json::NumberOrNull(s.Course));
    o.Add("distance_nm", cli::Json::Number(leg.NauticalMiles)).Add("eta", Iso(leg.Eta));
    o.Add("speed_kn", cli::Json::NumberOrNull(leg.Speed));
    if (leg.Split) {
        std::vector<cli::Json> points, steps;
        for (const Waypoint& p : leg.Split->Points)
            points.push_back(
                cli::JsonObject().Add("lat_deg", cli::Json::Number(p.Lat)).Add("lon_deg", cli::Json::Number(p.Lon)).Value());
        for (const RhumbStep& r : leg.Split->Steps)
            steps.push_back(cli::JsonObject()
                                .Add("course_deg", cli::Json::Number(r.Course))
                                .Add("distance_nm", cli::Json::Number(r.Metres / geo::MetresPerNauticalMile))
                                .Value());
        o.Add("waypoints", cli::Json::Array(points)).Add("rhumb_legs", cli::Json::Array(steps));
        o.Add("rhumb_nm", cli::Json::Number(leg.Split->RhumbMetres / geo::MetresPerNauticalMile));
        o.Add("vertex", s.Vertex ? cli::JsonObject()
                                       .Add("lat_deg", cli::Json::Number(s.Vertex->Lat))
                                       .Add("lon_deg", cli::Json::Number(s.Vertex->Lon))
                                       .Add("on_leg", cli::Json::Bool(s.Vertex->OnLeg))
                                       .Value()
                                 : cli::Json::Null());
    }
    return o.Value();
}

std::string Json(const Route& route, const RoutePlan& plan)
{
    std::vector<cli::Json> legs;
    for (const LegPlan& leg : plan.Legs)
        legs.push_back(LegJson(leg));
    return cli::JsonObject()
        .Add("legs", cli::Json::Array(legs))
        .Add("total_nm", cli::Json::Number(plan.TotalNauticalMiles))
        .Add("departure", Iso(route.Departure))
        .Add("arrival", Iso(plan.Arrival))
        .Line();
}

// "Name: value" lines; `value` is UTF-8 (names) or made so (Utf8Text).
class Lines {
public:
    Lines& Add(const std::string& name, const std::string& utf8)
    {
        text_ += name + ": " + utf8 + "\n";
        return *this;
    }
    // A value in the suite's 8-bit texts.
    Lines& Add8(const std::string& name, const std::string& latin1) { return Add(name, geo::Utf8Text(latin1)); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

std::string Plain(const Route& route, const RoutePlan& plan, int ellipsoid, geo::AngleFormat format)
{
    Lines lines;
    if (!route.Name.empty())
        lines.Add("Route", route.Name);
    lines.Add8("Ellipsoid", std::string(geo::EllipsoidNames.at(static_cast<std::size_t>(ellipsoid))));
    lines.Add("Departure", route.Departure ? InstantText(*route.Departure) : "none");
    for (std::size_t i = 0; i < plan.Legs.size(); ++i) {
        const LegPlan& leg = plan.Legs[i];
        const LegTexts t = TextsOf(leg, format);
        const std::string name = "Leg " + std::to_string(i + 1);
        lines.Add(name, t.From + " to " + t.To).Add(name + " kind", t.Kind);
        if (leg.Solution.Kind == LegKind::GreatCircle)
            lines.Add8(name + " initial course", t.Course).Add8(name + " final course", t.FinalCourse);
        else
            lines.Add8(name + " course", t.Course);
        lines.Add(name + " distance", t.Distance);
        if (!t.Speed.empty())
            lines.Add(name + " speed", t.Speed);
        if (!t.Time.empty())
            lines.Add(name + " time", t.Time);
        lines.Add(name + " ETA", t.Eta);
        if (!t.Vertex.empty())
            lines.Add8(name + " vertex", t.Vertex);
        if (!leg.Split)
            continue;
        for (std::size_t k = 0; k < leg.Split->Points.size(); ++k) {
            const Waypoint& p = leg.Split->Points[k];
            lines.Add8(name + " point " + std::to_string(k + 1), PositionText(format, p.Lat, p.Lon));
            if (k < leg.Split->Steps.size())
                lines.Add8(name + " rhumb leg " + std::to_string(k + 1),
                           geo::CourseText(format, leg.Split->Steps[k].Course) + ", " +
                               DistanceText(leg.Split->Steps[k].Metres / geo::MetresPerNauticalMile));
        }
        lines.Add(name + " rhumb legs", DistanceText(leg.Split->RhumbMetres / geo::MetresPerNauticalMile) + ", " +
                                            DistanceText(leg.Split->ExtraMetres / geo::MetresPerNauticalMile) +
                                            " more than the great circle");
    }
    const TotalTexts totals = TotalsOf(plan);
    lines.Add("Total distance", totals.Distance);
    if (!totals.Time.empty())
        lines.Add("Total time", totals.Time);
    lines.Add("Arrival", totals.Arrival.empty() ? "none" : totals.Arrival);
    return lines.Text();
}

} // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("wayline",
                        {cli::JsonOption, cli::EllipsoidOption, cli::FormatOption, GreatCircles, RhumbLines, Speed,
                         Departure, StepDegrees, StepMiles, RouteNumber, Composite},
                        "FILE.gpx | FROM TO");
    return cli::Run(args, arguments, [&args](std::string& result) {
        const int ellipsoid = cli::EllipsoidOf(args);
        const geo::AngleFormat format = cli::FormatOf(args);
        const std::optional<SplitStep> step = StepOf(args);
        const Earth earth(ellipsoid);
        try {
            const Route route = RouteOf(args, earth);
            const RoutePlan plan = PlanRoute(earth, route, step);
            result = args.Flag(cli::JsonOption.Name) ? Json(route, plan) : Plain(route, plan, ellipsoid, format);
        } catch (const RouteError& e) {
            throw cli::InputError(e.what());
        } catch (const GpxError& e) {
            throw cli::InputError(e.what());
        }
    }, out, err);
}

bool OpensWindow(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return true;
    if (arguments.size() != 1 || arguments[0].starts_with("--") || arguments[0].size() <= 4)
        return false;
    std::string ending = arguments[0].substr(arguments[0].size() - 4);
    std::ranges::transform(ending, ending.begin(), [](unsigned char c) { return std::tolower(c); });
    return ending == ".gpx";
}

} // namespace wayline
