#include "celpos/core/command_options.h"

#include "astro/astro_error.h"
#include "celpos/core/angle_texts.h"
#include "platform/keyed_text/keyed_text.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"

namespace celpos {
namespace {

struct Setting {
    cli::Option Option;
    double SightSettings::*Field; // or of its conditions, below
    double SightConditions::*Condition;
};

const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> settings = {
        {{"--index-error", "ARCMIN"}, nullptr, &SightConditions::IndexErrorArcmin},
        {{"--height-of-eye", "M"}, nullptr, &SightConditions::HeightOfEyeM},
        {{"--temperature", "C"}, nullptr, &SightConditions::TemperatureC},
        {{"--pressure", "HPA"}, nullptr, &SightConditions::PressureHpa},
        {{"--watch-error", "SECONDS"}, &SightSettings::WatchErrorS, nullptr},
        {{"--dut1", "SECONDS"}, &SightSettings::Dut1S, nullptr},
    };
    return settings;
}

} // namespace

std::vector<cli::Option> SettingOptions()
{
    std::vector<cli::Option> options;
    for (const Setting& s : Settings())
        options.push_back(s.Option);
    return options;
}

SightSettings SettingsOf(const cli::Arguments& args)
{
    SightSettings settings;
    AsInput([&] {
        for (const Setting& s : Settings()) {
            const std::optional<std::string> text = args.Value(s.Option.Name);
            if (!text)
                continue;
            const double value = ReadDecimal(*text, s.Option.Name);
            if (s.Field)
                settings.*s.Field = value;
            else
                settings.Conditions.*s.Condition = value;
        }
        RequireValidSettings(settings);
    });
    return settings;
}

double InstantOf(const std::string& text)
{
    double utc = 0;
    AsInput([&] { utc = timezones::ParseInstant(text); });
    return utc;
}

void AsInput(const std::function<void()>& body)
{
    try {
        body();
    } catch (const SightError& e) {
        throw cli::InputError(e.what());
    } catch (const astro::AstroError& e) {
        throw cli::InputError(e.what());
    } catch (const timezones::TimeError& e) {
        throw cli::InputError(e.what());
    } catch (const platform::FileFormatError& e) {
        throw cli::InputError(e.what());
    }
}

} // namespace celpos
