#include "astro/almanac.h"

#include "astro/almanac_entry.h"

#include "astro/astro_error.h"
#include "astro/bodies.h"
#include "astro/body_names.h"
#include "astro/planets.h"
#include "astro/stars.h"
#include "astro/time_scales.h"

#include "geo/constants.h"
#include "geo/shown_text.h"

#include <array>
#include <cmath>

namespace astro {
namespace {

constexpr double KmPerAu = 149597870.7;
// The Sun's visual magnitude at 1 au (the Astronomical Almanac's V).
constexpr double SunMagnitudeAtOneAu = -26.74;

constexpr std::array<std::string_view, 6> Wanderers = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"};

// The 57 navigational stars in their numbered order, then Polaris.
constexpr std::array<std::string_view, 58> StarNames = {
    "Alpheratz", "Ankaa", "Schedar", "Diphda", "Achernar", "Hamal", "Acamar", "Menkar", "Mirfak", "Aldebaran",
    "Rigel", "Capella", "Bellatrix", "Elnath", "Alnilam", "Betelgeuse", "Canopus", "Sirius", "Adhara", "Procyon",
    "Pollux", "Avior", "Suhail", "Miaplacidus", "Alphard", "Regulus", "Dubhe", "Denebola", "Gienah", "Acrux",
    "Gacrux", "Alioth", "Spica", "Alkaid", "Hadar", "Menkent", "Arcturus", "Rigil Kent.", "Zubenelgenubi", "Kochab",
    "Alphecca", "Antares", "Atria", "Sabik", "Shaula", "Rasalhague", "Eltanin", "Kaus Australis", "Vega", "Nunki",
    "Altair", "Peacock", "Deneb", "Enif", "Al Na'ir", "Fomalhaut", "Markab", "Polaris",
};

double Arcmin(double degrees)
{
    return degrees * geo::MinutesPerDegree;
}

AlmanacEntry SunOrMoon(const std::string& name, const TimeArgument& time)
{
    const bool sun = name == "Sun";
    const GeocentricPlace place = ApparentPlace(sun ? Body::Sun : Body::Moon, time);
    AlmanacEntry entry{name, sun ? BodyKind::Sun : BodyKind::Moon, place.Gha, place.Declination, std::nullopt,
                       Arcmin(place.SemiDiameter), Arcmin(place.HorizontalParallax), std::nullopt};
    if (sun)
        entry.Magnitude = SunMagnitudeAtOneAu + 5.0 * std::log10(place.Distance / KmPerAu);
    return entry;
}

std::optional<Planet> PlanetNamed(const std::string& name)
{
    constexpr std::array<std::pair<std::string_view, Planet>, 4> planets = {
        {{"Venus", Planet::Venus}, {"Mars", Planet::Mars}, {"Jupiter", Planet::Jupiter}, {"Saturn", Planet::Saturn}}};
    for (const auto& [planetName, planet] : planets)
        if (name == planetName)
            return planet;
    return std::nullopt;
}

AlmanacEntry PlanetEntry(const std::string& name, Planet planet, const TimeArgument& time)
{
    const PlanetPlace place = ApparentPlanet(planet, time);
    return {name,
            BodyKind::Planet,
            place.Gha,
            place.Declination,
            std::nullopt,
            Arcmin(place.SemiDiameter),
            Arcmin(place.HorizontalParallax),
            place.Magnitude};
}

AlmanacEntry StarEntry(const CatalogueStar& star, const TimeArgument& time)
{
    const StarPlace place = ApparentStar(star, time);
    return {star.Name,   BodyKind::Star, place.Gha,   place.Declination, place.Sha,
            std::nullopt, std::nullopt,  star.Magnitude};
}

AlmanacEntry Aries(const TimeArgument& time)
{
    return {"Aries", BodyKind::Aries, GreenwichApparentSiderealTime(time), std::nullopt,
            std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

} // namespace

std::vector<std::string> AlmanacBodies()
{
    std::vector<std::string> names(Wanderers.begin(), Wanderers.end());
    names.emplace_back("Aries");
    names.insert(names.end(), StarNames.begin(), StarNames.end());
    return names;
}

std::optional<std::string> BodyName(std::string_view typed)
{
    const std::string folded = FoldedName(typed);
    if (const std::optional<std::string> alias = AliasOf(folded))
        return alias;
    for (const std::string& name : AlmanacBodies())
        if (FoldedName(name) == folded)
            return name;
    return std::nullopt;
}

AlmanacEntry AlmanacEntryAt(const std::string& name, const TimeArgument& time)
{
    if (name == "Sun" || name == "Moon")
        return SunOrMoon(name, time);
    if (name == "Aries")
        return Aries(time);
    if (const std::optional<Planet> planet = PlanetNamed(name))
        return PlanetEntry(name, *planet, time);
    if (const CatalogueStar* star = CatalogueStarNamed(name))
        return StarEntry(*star, time);
    if (BodyName(name) == name)
        throw AstroError("The star catalogue holds no place for " + name + " yet");
    throw AstroError("'" + geo::ShownText(name) + "' is not a body of the almanac");
}

AlmanacEntry Almanac(std::string_view body, double utc, double dut1)
{
    const std::optional<std::string> name = BodyName(body);
    if (!name)
        throw AstroError("'" + geo::ShownText(body) + "' is not a body of the almanac");
    RequireSupportedInstant(utc);
    return AlmanacEntryAt(*name, TimeFromUtc(utc, dut1));
}

} // namespace astro
