#include "celpos/core/sights_file.h"

#include "astro/almanac.h"
#include "astro/time_scales.h"
#include "celpos/core/angle_texts.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"

#include <algorithm>
#include <cmath>

namespace celpos {
namespace {

constexpr std::string_view Comment =
    "# A round of sights for a position fix: the DR at the first sight, the run\n"
    "# between the sights, the conditions, and each sight as it was typed.\n";

std::string Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
}

bool IsLimbWord(const std::string& word)
{
    try {
        LimbNamed(word);
        return true;
    } catch (const SightError&) {
        return false;
    }
}

// A time as this file writes it: ISO 8601 UTC to the whole second.
double ReadTime(const std::string& text)
{
    double utc = 0;
    try {
        utc = timezones::ParseInstant(text);
    } catch (const timezones::TimeError& e) {
        throw SightError(e.what());
    }
    if (timezones::FormatIsoUtc(utc) != text)
        throw SightError("'" + geo::ShownText(text) + "' is not a time as 2026-12-09T12:04:31Z writes it");
    return utc;
}

struct Number {
    const char* Name;
    double Low, High;
};
constexpr Number CourseField{"The course", 0, 359.99999999};
constexpr Number SpeedField{"The speed", 0, 60};
constexpr Number HeightField{"The height of eye", 0, 1000};
constexpr Number TemperatureField{"The temperature", -50, 60};
constexpr Number PressureField{"The pressure", 800, 1100};
constexpr Number IndexErrorField{"The index error", -30, 30};
constexpr Number WatchErrorField{"The watch error", -3600, 3600};
constexpr Number Dut1Field{"DUT1", -0.9, 0.9};

constexpr std::pair<std::string_view, const Number*> NumberKeys[] = {
    {"course", &CourseField},           {"speed", &SpeedField},           {"height-of-eye", &HeightField},
    {"temperature", &TemperatureField}, {"pressure", &PressureField},     {"index-error", &IndexErrorField},
    {"watch-error", &WatchErrorField},  {"dut1", &Dut1Field},
};

double Read(const std::string& text, const Number& field)
{
    const double value = ReadDecimal(text, field.Name);
    if (!(value >= field.Low && value <= field.High))
        throw SightError(std::string(field.Name) + " " + text + " is outside " + geo::DecimalText(field.Low) +
                         " to " + geo::DecimalText(std::floor(field.High * 10) / 10));
    return value;
}

Sight SightOf(const SightEntry& e)
{
    Sight s;
    s.Body = e.Body;
    s.LimbTaken = e.LimbTaken;
    s.WatchUtc = ReadTime(e.Time);
    s.Noon = e.Noon;
    s.HsDeg = ReadSextantAltitude(e.Hs);
    if (!(s.HsDeg >= 0 && s.HsDeg <= 90))
        throw SightError("The sextant altitude " + e.Hs + " is outside 0 to 90\xC2\xB0");
    if (!e.IndexError.empty())
        s.IndexErrorArcmin = Read(e.IndexError, IndexErrorField);
    try {
        astro::RequireSupportedInstant(s.WatchUtc);
    } catch (const astro::AstroError& x) {
        throw SightError(x.what());
    }
    RequireObservable(s, IsStar(s.Body));
    return s;
}

} // namespace

double ReadSightsNumber(std::string_view key, const std::string& text)
{
    for (const auto& [name, field] : NumberKeys)
        if (name == key)
            return Read(text, *field);
    throw SightError("'" + std::string(key) + "' is no number of a sights file");
}

std::string SightText(const SightEntry& s)
{
    std::string text = s.Body + ", " + LimbName(s.LimbTaken) + ", " + s.Time + ", " + s.Hs;
    if (s.Noon)
        text += ", noon";
    if (!s.IndexError.empty())
        text += ", ie " + s.IndexError;
    return text;
}

SightEntry ReadSightText(std::string_view text)
{
    std::vector<std::string> fields;
    for (std::size_t at = 0;;) {
        const std::size_t comma = text.find(',', at);
        fields.push_back(Trim(text.substr(at, comma == std::string_view::npos ? comma : comma - at)));
        if (comma == std::string_view::npos)
            break;
        at = comma + 1;
    }
    const std::string shown = geo::ShownText(text);
    if (fields.size() < 3)
        throw SightError("'" + shown + "' is not a sight: write BODY, TIME, HS and the limb, as Sun, "
                         "2026-12-09T12:04:31Z, 35\xC2\xB0" "12.4, lower");
    SightEntry e;
    const std::optional<std::string> body = astro::BodyName(fields[0]);
    if (!body)
        throw SightError("'" + geo::ShownText(fields[0]) + "' is not a body of the almanac");
    e.Body = *body;
    e.LimbTaken = DefaultLimb(e.Body);
    bool limb = false;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string& f = fields[i];
        const auto twice = [&](bool given) {
            if (given)
                throw SightError("'" + shown + "' gives '" + geo::ShownText(f) + "' a second time");
        };
        if (IsLimbWord(f)) {
            twice(limb);
            e.LimbTaken = LimbNamed(f);
            limb = true;
        } else if (f == "noon") {
            twice(e.Noon);
            e.Noon = true;
        } else if (f.starts_with("ie ")) {
            twice(!e.IndexError.empty());
            e.IndexError = Trim(std::string_view(f).substr(3));
            Read(e.IndexError, IndexErrorField);
        } else if (f.find('T') != std::string::npos) {
            twice(!e.Time.empty());
            e.Time = f;
        } else {
            twice(!e.Hs.empty());
            e.Hs = f;
        }
    }
    if (e.Time.empty() || e.Hs.empty())
        throw SightError("'" + shown + "' lacks its " + (e.Time.empty() ? "time" : "sextant altitude"));
    SightOf(e); // refuses what no reduction would take
    return e;
}

std::string WriteSightsFile(const SightsEntries& e)
{
    std::string out = platform::KeyedSignature(SightsFormat) + std::string(Comment);
    const auto line = [&out](const std::string& key, const std::string& value) { out += key + " = " + value + "\n"; };
    // Decimal degrees, the shortest that read back as the same doubles: the
    // angle texts of the fields round to their last place, which a file
    // read and saved again would carry a step further each time.
    line("dr", geo::DecimalText(e.DrLatDeg) + " " + geo::DecimalText(e.DrLonDeg));
    line("course", e.Course);
    line("speed", e.Speed);
    line("height-of-eye", e.HeightOfEye);
    line("temperature", e.Temperature);
    line("pressure", e.Pressure);
    line("index-error", e.IndexError);
    line("watch-error", e.WatchError);
    line("dut1", e.Dut1);
    line("display", std::string(geo::AngleFormatNames[static_cast<int>(e.Display)]));
    line("sights", std::to_string(e.Sights.size()));
    for (std::size_t i = 0; i < e.Sights.size(); ++i)
        line("sight-" + std::to_string(i + 1), SightText(e.Sights[i]));
    return out;
}

SightsEntries ReadSightsFile(std::string_view text)
{
    platform::KeyedValues values(text, SightsFormat);
    // A value the window would take, or the line it stands on refused with the reason.
    const auto checked = [&values](const std::string& key, const auto& read) {
        const platform::KeyedValue v = values.Take(key);
        try {
            read(v.Text);
        } catch (const std::exception& e) {
            platform::RefuseLine(v.Line, key + ": " + e.what());
        }
        return v.Text;
    };
    const auto number = [&checked](const std::string& key) {
        return checked(key, [&key](const std::string& t) { ReadSightsNumber(key, t); });
    };

    SightsEntries e;
    checked("dr", [&e](const std::string& t) {
        std::string why;
        if (!geo::ReadPosition(t, e.DrLatDeg, e.DrLonDeg, why))
            throw SightError(why);
    });
    e.Course = number("course");
    e.Speed = number("speed");
    e.HeightOfEye = number("height-of-eye");
    e.Temperature = number("temperature");
    e.Pressure = number("pressure");
    e.IndexError = number("index-error");
    e.WatchError = number("watch-error");
    e.Dut1 = number("dut1");
    checked("display", [&e](const std::string& t) {
        const auto* found = std::ranges::find(geo::AngleFormatNames, t);
        if (found == std::end(geo::AngleFormatNames))
            throw SightError("'" + geo::ShownText(t) + "' is not DM.dd, DMS or DMS.sss");
        e.Display = static_cast<geo::AngleFormat>(found - std::begin(geo::AngleFormatNames));
    });
    std::size_t count = 0;
    checked("sights", [&count](const std::string& t) {
        const bool digits = !t.empty() && t.size() <= 2 && std::ranges::all_of(t, [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoul(t) > MostSights)
            throw SightError("'" + geo::ShownText(t) + "' is not a number of sights from 0 to 20");
        count = std::stoul(t);
    });
    for (std::size_t i = 1; i <= count; ++i)
        checked("sight-" + std::to_string(i), [&e](const std::string& t) {
            SightEntry s = ReadSightText(t);
            if (SightText(s) != t)
                throw SightError("'" + geo::ShownText(t) + "' is not written as a sights file writes it: " +
                                 SightText(s));
            e.Sights.push_back(s);
        });
    values.RefuseKeysLeft();
    return e;
}

SightRound RoundOf(const SightsEntries& e)
{
    SightRound round;
    round.DrLatDeg = e.DrLatDeg;
    round.DrLonDeg = e.DrLonDeg;
    round.Between = {Read(e.Course, CourseField), Read(e.Speed, SpeedField)};
    round.Settings.Conditions = {Read(e.IndexError, IndexErrorField), Read(e.HeightOfEye, HeightField),
                                 Read(e.Temperature, TemperatureField), Read(e.Pressure, PressureField)};
    round.Settings.WatchErrorS = Read(e.WatchError, WatchErrorField);
    round.Settings.Dut1S = Read(e.Dut1, Dut1Field);
    for (std::size_t i = 0; i < e.Sights.size(); ++i) {
        try {
            round.Sights.push_back(SightOf(e.Sights[i]));
        } catch (const std::exception& x) {
            throw SightError("Sight " + std::to_string(i + 1) + ": " + x.what());
        }
    }
    return round;
}

} // namespace celpos
