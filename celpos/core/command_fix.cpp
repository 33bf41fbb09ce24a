// celpos fix: the fix from a sights file or from sights given one by one.
#include "celpos/core/command_line.h"
#include "celpos/core/angle_texts.h"
#include "celpos/core/command_options.h"
#include "celpos/core/sights_file.h"
#include "celpos/core/worksheet.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"
#include "timezones/time_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace celpos {
namespace {

// The file's bytes, at most one more than any sights file holds; refused
// when it is not a regular file (a pipe would hold the command).
std::string ReadFileBytes(const std::string& name)
{
    const std::string failure = "The sights could not be read from " + geo::ShownText(name) + ": ";
    struct stat info{};
    if (stat(name.c_str(), &info) != 0)
        throw cli::InputError(failure + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        throw cli::InputError(failure + "it is not a regular file");
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw cli::InputError(failure + std::strerror(errno));
    std::string bytes(LargestSightsFile + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

SightRound RoundFromFile(const std::string& name)
{
    const std::string bytes = ReadFileBytes(name);
    try {
        return RoundOf(ReadSightsFile(bytes));
    } catch (const std::exception& e) {
        throw cli::InputError("The sights could not be read from " + geo::ShownText(name) + ": " + e.what());
    }
}

SightRound RoundFromOptions(const cli::Arguments& args)
{
    if (!args.Value("--dr"))
        throw cli::InputError("a sights file, or the DR (--dr) and the sights (--sight), please");
    SightRound round;
    const cli::Position dr = cli::PositionOf(*args.Value("--dr"));
    round.DrLatDeg = dr.Lat;
    round.DrLonDeg = dr.Lon;
    round.Settings = SettingsOf(args);
    AsInput([&] {
        if (args.Value("--course"))
            round.Between.CourseDeg = ReadDecimal(*args.Value("--course"), "The course");
        if (args.Value("--speed"))
            round.Between.SpeedKn = ReadDecimal(*args.Value("--speed"), "The speed");
        for (const std::string& text : args.Values("--sight")) {
            const SightEntry e = ReadSightText(text);
            Sight s;
            s.Body = e.Body;
            s.LimbTaken = e.LimbTaken;
            s.WatchUtc = InstantOf(e.Time);
            s.HsDeg = ReadSextantAltitude(e.Hs);
            s.Noon = e.Noon;
            if (!e.IndexError.empty())
                s.IndexErrorArcmin = ReadDecimal(e.IndexError, "The index error");
            round.Sights.push_back(s);
        }
    });
    return round;
}

std::string FixJson(const Fix& fix)
{
    std::vector<cli::Json> residuals, warnings;
    for (const double r : fix.ResidualsArcmin)
        residuals.push_back(cli::Json::Number(r));
    for (const std::string& w : fix.Warnings)
        warnings.push_back(cli::Json::String(w));
    return cli::JsonObject()
        .Add("latitude_deg", cli::Json::Number(fix.LatDeg))
        .Add("longitude_deg", cli::Json::Number(fix.LonDeg))
        .Add("time", cli::Json::String(timezones::FormatIsoUtc(fix.Utc)))
        .Add("residuals_arcmin", cli::Json::Array(residuals))
        .Add("warnings", cli::Json::Array(warnings))
        .Line();
}

} // namespace

int RunFixCommand(const std::vector<std::string>& words, std::string& out, std::string& err)
{
    std::vector<cli::Option> options = {cli::JsonOption, {"--dr", "POSITION"}, {"--course", "DEG"},
                                        {"--speed", "KN"}, {"--sight", "BODY,TIME,HS[,LIMB]", true}};
    for (const cli::Option& o : SettingOptions())
        options.push_back(o);
    options.push_back({"--noon"});
    cli::Arguments args("celpos fix", options, "[FILE.sights]");
    return cli::Run(args, words, [&args](std::string& result) {
        SightRound round;
        if (!args.Operands().empty()) {
            if (args.Operands().size() > 1)
                throw cli::InputError("one sights file, please");
            for (const char* option : {"--dr", "--course", "--speed", "--sight", "--index-error", "--height-of-eye",
                                       "--temperature", "--pressure", "--watch-error", "--dut1"})
                if (!args.Values(option).empty())
                    throw cli::InputError(std::string("a sights file holds its own ") + (option + 2) +
                                          ": the option " + option + " is not taken with it");
            round = RoundFromFile(args.Operands()[0]);
        } else {
            round = RoundFromOptions(args);
        }
        if (args.Flag("--noon")) {
            auto last = std::find_if(round.Sights.rbegin(), round.Sights.rend(), [](const Sight& s) { return s.Body == "Sun"; });
            if (last == round.Sights.rend())
                throw cli::InputError("--noon marks the last Sun sight as the noon sight: there is no Sun sight");
            last->Noon = true;
        }
        AsInput([&] {
            const Fix fix = FixPosition(round, AlmanacPosition);
            result = args.Flag(cli::JsonOption.Name) ? FixJson(fix) : cli::Lines(FixLines(fix));
        });
    }, out, err);
}

} // namespace celpos
