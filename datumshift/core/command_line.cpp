#include "datumshift/core/command_line.h"

#include "datumshift/core/datum_shift.h"
#include "datumshift/core/errors.h"
#include "datumshift/core/result_texts.h"
#include "geo/shown_text.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"

namespace datumshift {
namespace {

const cli::Option StrictOption{"--strict"};
const cli::Option FromOption{"--from", "CRS", false, true,
                             "the datum to move from is missing: --from CRS (an EPSG code or name)"};
const cli::Option ToOption{"--to", "CRS", false, true,
                           "the datum to move to is missing: --to CRS (an EPSG code or name)"};

std::string Json(const DatumShift& s)
{
    const Transformation& t = s.Used;
    const cli::Json transformation = cli::JsonObject()
                                         .Add("name", cli::Json::String(t.Name))
                                         .Add("code", cli::Json::StringOrNull(t.Code))
                                         .Add("accuracy_m", cli::Json::NumberOrNull(t.Accuracy))
                                         .Add("ballpark", cli::Json::Bool(t.Ballpark))
                                         .Value();
    return cli::JsonObject()
        .Add("latitude_deg", cli::Json::Number(s.Latitude))
        .Add("longitude_deg", cli::Json::Number(ShownLongitude(s.Longitude)))
        .Add("shift_m", cli::Json::Number(s.ShiftDistance))
        .Add("shift_direction_deg", cli::Json::NumberOrNull(s.ShiftDirection))
        .Add("transformation", transformation)
        .Add("fallback", cli::Json::Bool(s.Fallback()))
        .Line();
}

std::string Plain(const DatumShift& s)
{
    std::string out;
    for (const auto& [name, value] : ResultTexts(s, geo::AngleFormat::DMSsss))
        if (!value.empty())
            out += name + ": " + value + "\n";
    return out;
}

std::string Datum(const cli::Arguments& args, const cli::Option& option)
{
    return args.Value(option.Name).value_or(std::string()); // a required option: Parse has seen it
}

} // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("datumshift", {cli::JsonOption, StrictOption, FromOption, ToOption}, "POSITION");
    return cli::Run(args, arguments, [&args](std::string& result) {
        const std::string from = Datum(args, FromOption), to = Datum(args, ToOption);
        const std::vector<std::string>& words = args.Operands();
        if (words.empty() || words.size() > 2)
            throw cli::InputError("one position, please: its latitude, then its longitude");
        const cli::Position p = cli::PositionOf(words.size() == 1 ? words[0] : words[0] + " " + words[1]);
        const FallbackRule rule = args.Flag(StrictOption.Name) ? FallbackRule::Refuse : FallbackRule::Allow;
        DatumShift shift;
        try {
            DatumShifter shifter;
            shift = shifter.Shift(from, to, {p.Lat, p.Lon, 0}, rule);
        } catch (const DatumError& e) {
            throw cli::InputError(geo::ShownText(e.what())); // it may quote a CRS as typed
        }
        result = args.Flag(cli::JsonOption.Name) ? Json(shift) : Plain(shift);
    }, out, err);
}

} // namespace datumshift
