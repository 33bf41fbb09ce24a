#include "celpos/core/command_line.h"

#include "astro/almanac.h"
#include "celpos/core/angle_texts.h"
#include "celpos/core/command_options.h"
#include "celpos/core/worksheet.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"

namespace celpos {
namespace {

const cli::Option DutOption{"--dut1", "SECONDS"};

std::string Usages()
{
    return "usage: celpos [FILE.sights]\n"
           "       celpos almanac [--json] [--dut1 SECONDS] BODY TIME | celpos almanac --list\n"
           "       celpos reduce [--json] --body BODY --time TIME --hs HS [options] POSITION\n"
           "       celpos fix [--json] (FILE.sights | --dr POSITION [--course DEG --speed KN] --sight "
           "BODY,TIME,HS[,LIMB] ...)\n";
}

std::string Canonical(const std::string& typed)
{
    const std::optional<std::string> name = astro::BodyName(typed);
    if (!name)
        throw cli::InputError("'" + geo::ShownText(typed) + "' is not a body of the almanac: celpos almanac "
                              "--list prints the names it takes");
    return *name;
}

int RunAlmanac(const std::vector<std::string>& words, std::string& out, std::string& err)
{
    cli::Arguments args("celpos almanac", {cli::JsonOption, {"--list"}, DutOption}, "BODY TIME");
    return cli::Run(args, words, [&args](std::string& result) {
        if (args.Flag("--list")) {
            if (!args.Operands().empty())
                throw cli::InputError("--list takes no BODY or TIME");
            for (const std::string& name : astro::AlmanacBodies())
                result += name + "\n";
            return;
        }
        if (args.Operands().size() != 2)
            throw cli::InputError("a body and a time, please: BODY TIME");
        const std::string body = Canonical(args.Operands()[0]);
        const double utc = InstantOf(args.Operands()[1]);
        const double dut1 = args.Value(DutOption.Name) ? SettingsOf(args).Dut1S : 0.0;
        AsInput([&] {
            const astro::AlmanacEntry e = astro::Almanac(body, utc, dut1);
            if (args.Flag(cli::JsonOption.Name)) {
                result = cli::JsonObject()
                             .Add("body", cli::Json::String(e.Body))
                             .Add("gha_deg", cli::Json::Number(e.GhaDeg))
                             .Add("dec_deg", cli::Json::NumberOrNull(e.DecDeg))
                             .Add("sha_deg", cli::Json::NumberOrNull(e.ShaDeg))
                             .Add("sd_arcmin", cli::Json::NumberOrNull(e.SdArcmin))
                             .Add("hp_arcmin", cli::Json::NumberOrNull(e.HpArcmin))
                             .Line();
                return;
            }
            Lines lines = {{"Body", e.Body}, {"UT", timezones::FormatIsoUtc(utc)}, {"GHA", HourAngleText(e.GhaDeg)}};
            if (e.ShaDeg)
                lines.emplace_back("SHA", HourAngleText(*e.ShaDeg));
            if (e.DecDeg)
                lines.emplace_back("Declination", DeclinationText(*e.DecDeg));
            if (e.SdArcmin)
                lines.emplace_back("Semi-diameter", geo::DecimalText(*e.SdArcmin, 1) + "'");
            if (e.HpArcmin)
                lines.emplace_back("Horizontal parallax", geo::DecimalText(*e.HpArcmin, 1) + "'");
            if (e.Magnitude)
                lines.emplace_back("Magnitude", geo::DecimalText(*e.Magnitude, 1));
            result = cli::Lines(lines);
        });
    }, out, err);
}

int RunReduce(const std::vector<std::string>& words, std::string& out, std::string& err)
{
    std::vector<cli::Option> options = {cli::JsonOption, {"--body", "BODY"}, {"--time", "TIME"}, {"--hs", "HS"},
                                        {"--limb", "lower|upper|centre"}};
    for (const cli::Option& o : SettingOptions())
        options.push_back(o);
    options.push_back({"--noon"});
    cli::Arguments args("celpos reduce", options, "POSITION");
    return cli::Run(args, words, [&args](std::string& result) {
        for (const char* required : {"--body", "--time", "--hs"})
            if (!args.Value(required))
                throw cli::InputError(std::string("the option ") + required + " is missing");
        if (args.Operands().size() != 1)
            throw cli::InputError("one position, please: the DR or an assumed position");
        const cli::Position at = cli::PositionOf(args.Operands()[0]);
        Sight sight;
        sight.Body = Canonical(*args.Value("--body"));
        sight.WatchUtc = InstantOf(*args.Value("--time"));
        sight.Noon = args.Flag("--noon");
        const SightSettings settings = SettingsOf(args);
        AsInput([&] {
            sight.LimbTaken = args.Value("--limb") ? LimbNamed(*args.Value("--limb")) : DefaultLimb(sight.Body);
            sight.HsDeg = ReadSextantAltitude(*args.Value("--hs"));
            const SightReduction r = ReduceSight(sight, settings, at.Lat, at.Lon, AlmanacPosition);
            if (!args.Flag(cli::JsonOption.Name)) {
                result = cli::Lines(WorksheetLines(sight, r));
                return;
            }
            const AltitudeCorrections& c = r.Corrections;
            result = cli::JsonObject()
                         .Add("ho_deg", cli::Json::Number(c.HoDeg))
                         .Add("hc_deg", cli::Json::Number(r.Computed.HcDeg))
                         .Add("zn_deg", cli::Json::Number(r.Computed.ZnDeg))
                         .Add("intercept_nm", cli::Json::Number(r.InterceptNm))
                         .Add("corrections_arcmin", cli::JsonObject()
                                                        .Add("index", cli::Json::Number(c.Index))
                                                        .Add("dip", cli::Json::Number(c.Dip))
                                                        .Add("refraction", cli::Json::Number(c.Refraction))
                                                        .Add("parallax", cli::Json::Number(c.Parallax))
                                                        .Add("semi_diameter", cli::Json::Number(c.SemiDiameter))
                                                        .Value())
                         .Line();
        });
    }, out, err);
}

} // namespace

bool OpensWindow(const std::vector<std::string>& arguments)
{
    return arguments.empty() || (arguments.size() == 1 && arguments[0].size() > 7 && arguments[0].ends_with(".sights"));
}

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    out.clear();
    err.clear();
    const std::vector<std::string> rest(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
    const std::string command = arguments.empty() ? std::string() : arguments[0];
    if (command == "almanac")
        return RunAlmanac(rest, out, err);
    if (command == "reduce")
        return RunReduce(rest, out, err);
    if (command == "fix")
        return RunFixCommand(rest, out, err);
    err = "celpos: " + (command.empty() ? std::string("a command, please") : "unknown command '" + geo::ShownText(command) + "'") +
          ": almanac, reduce or fix\n" + Usages();
    return 2;
}

} // namespace celpos
