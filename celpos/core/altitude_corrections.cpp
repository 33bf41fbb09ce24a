#include "celpos/core/altitude_corrections.h"

#include "geo/constants.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <cctype>
#include <cmath>

namespace celpos {
namespace {

constexpr double DipDegPerRootMetre = 0.0293;
constexpr double RefractionDeg = 0.0167;
constexpr double RefractionShift = 7.31, RefractionOffset = 4.4; // degrees, in Ha + 7.31 / (Ha + 4.4)
constexpr double StandardFactor = 0.28;                           // 0.28 P / (T + 273) is 1 at 10 C, 1010 hPa
constexpr double KelvinOffset = 273.0;
constexpr double LowestApparentAltitude = -1.0; // degrees

struct Range {
    const char* Name;
    double Low, High;
    const char* Unit;
};
constexpr Range IndexErrorRange{"The index error", -30, 30, "'"};
constexpr Range HeightRange{"The height of eye", 0, 1000, " m"};
constexpr Range TemperatureRange{"The temperature", -50, 60, " \xC2\xB0" "C"};
constexpr Range PressureRange{"The pressure", 800, 1100, " hPa"};

void Require(double value, const Range& range)
{
    if (!(value >= range.Low && value <= range.High))
        throw SightError(std::string(range.Name) + " " + geo::DecimalText(value) + range.Unit + " is outside " +
                         geo::DecimalText(range.Low) + " to " + geo::DecimalText(range.High) + range.Unit);
}

double Radians(double degrees) { return degrees / geo::DegreesPerRadian; }

} // namespace

std::string LimbName(Limb limb)
{
    switch (limb) {
    case Limb::Lower:
        return "lower";
    case Limb::Upper:
        return "upper";
    case Limb::Centre:
        break;
    }
    return "centre";
}

Limb LimbNamed(const std::string& name)
{
    std::string folded;
    for (const char c : name)
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (folded == "lower")
        return Limb::Lower;
    if (folded == "upper")
        return Limb::Upper;
    if (folded == "centre" || folded == "center")
        return Limb::Centre;
    throw SightError("'" + geo::ShownText(name) + "' is no limb: lower, upper or centre");
}

void RequireValidConditions(const SightConditions& c)
{
    Require(c.IndexErrorArcmin, IndexErrorRange);
    Require(c.HeightOfEyeM, HeightRange);
    Require(c.TemperatureC, TemperatureRange);
    Require(c.PressureHpa, PressureRange);
}

double DipArcmin(double heightOfEyeM)
{
    return DipDegPerRootMetre * std::sqrt(heightOfEyeM) * geo::MinutesPerDegree;
}

double RefractionArcmin(double haDeg, double temperatureC, double pressureHpa)
{
    if (!(haDeg >= LowestApparentAltitude))
        throw SightError("The apparent altitude " + geo::DecimalText(haDeg, 2) +
                         "\xC2\xB0 is below -1\xC2\xB0: no refraction can be given for it");
    const double standard = RefractionDeg / std::tan(Radians(haDeg + RefractionShift / (haDeg + RefractionOffset)));
    return standard * (StandardFactor * pressureHpa / (temperatureC + KelvinOffset)) * geo::MinutesPerDegree;
}

AltitudeCorrections CorrectAltitude(double hsDeg, Limb limb, const SightConditions& conditions,
                                    const BodyDisc& disc)
{
    RequireValidConditions(conditions);
    if (!(hsDeg >= 0 && hsDeg <= 90))
        throw SightError("The sextant altitude " + geo::DecimalText(hsDeg) + "\xC2\xB0 is outside 0 to 90\xC2\xB0");
    constexpr double m = geo::MinutesPerDegree;
    AltitudeCorrections c;
    c.Index = -conditions.IndexErrorArcmin;
    c.Dip = -DipArcmin(conditions.HeightOfEyeM);
    c.HaDeg = hsDeg + (c.Index + c.Dip) / m;
    c.Refraction = -RefractionArcmin(c.HaDeg, conditions.TemperatureC, conditions.PressureHpa);
    const double refracted = c.HaDeg + c.Refraction / m; // the limb's (or the centre's) altitude
    const double side = limb == Limb::Lower ? 1.0 : limb == Limb::Upper ? -1.0 : 0.0;
    const double sd = disc.IsMoon ? disc.SdArcmin * (1 + std::sin(Radians(disc.HpArcmin / m)) *
                                                              std::sin(Radians(refracted)))
                                  : disc.SdArcmin;
    c.SemiDiameter = side * sd;
    c.Parallax = disc.HpArcmin * std::cos(Radians(refracted + c.SemiDiameter / m));
    c.HoDeg = hsDeg + (c.Index + c.Dip + c.Refraction + c.Parallax + c.SemiDiameter) / m;
    return c;
}

} // namespace celpos
