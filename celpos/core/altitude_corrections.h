// From the sextant altitude Hs to the observed altitude Ho: the index
// correction, the dip of the sea horizon, refraction, parallax and the
// semi-diameter, each signed as it is added to Hs, in that order.
//
// Conventions (the nautical almanacs' formulae for direct computation):
// - Index correction IC = -IE: an index error on the arc (positive) is
//   taken off. Arc-minutes.
// - Dip = -0.0293 deg sqrt(height of eye in metres).
// - Ha = Hs + IC + dip, the apparent altitude.
// - Refraction R = 0.0167 deg / tan(Ha + 7.31 / (Ha + 4.4)) (Ha in
//   degrees), times 0.28 P / (T + 273) for the temperature T (Celsius) and
//   pressure P (hPa): 1 at 10 C and 1010 hPa. The correction is -R.
// - Parallax in altitude HP cos H, H the altitude of the body's centre
//   after refraction, HP the equatorial horizontal parallax. Taking the
//   centre's altitude, not the limb's, is what lets the semi-diameter
//   below be the one seen from the observer: the two together give the
//   geocentric altitude of the centre.
// - Semi-diameter: + for the lower limb, - for the upper, 0 for the
//   centre. The Moon's is augmented with altitude as seen from the
//   observer, SD (1 + sin HP sin H'), H' the limb's altitude after
//   refraction; the Sun's and the planets' augmentation (under 0.001')
//   is left out.
// - Ho is a geocentric altitude of the centre, as Hc is.
#pragma once

#include <stdexcept>
#include <string>

namespace celpos {

// A sight's input that cannot be taken: what() is the text the user reads.
class SightError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Limb { Lower, Upper, Centre };

// "lower", "upper", "centre".
std::string LimbName(Limb limb);
// A limb by its name in any case ("center" is taken too); throws SightError otherwise.
Limb LimbNamed(const std::string& name);

// Where and how the sight was taken.
struct SightConditions {
    double IndexErrorArcmin = 0; // positive on the arc
    double HeightOfEyeM = 0;     // 0..1000
    double TemperatureC = 10;    // -50..60
    double PressureHpa = 1010;   // 800..1100
};

// Throws SightError naming the first condition out of its range.
void RequireValidConditions(const SightConditions& conditions);

// What the almanac gives for the body's size and distance (arc-minutes);
// 0 for stars.
struct BodyDisc {
    double SdArcmin = 0;
    double HpArcmin = 0;
    bool IsMoon = false;
};

struct AltitudeCorrections {
    // Each in arc-minutes, signed as added to Hs.
    double Index = 0, Dip = 0, Refraction = 0, Parallax = 0, SemiDiameter = 0;
    double HaDeg = 0; // apparent altitude, Hs + index + dip
    double HoDeg = 0; // observed altitude, Hs + all five
};

// The dip of the sea horizon (arc-minutes, positive) for a height of eye
// in metres (>= 0).
double DipArcmin(double heightOfEyeM);

// The refraction (arc-minutes, positive) at apparent altitude `haDeg` for
// a temperature and pressure. Refused (SightError) below Ha = -1 degree,
// where the formula no longer describes any sky.
double RefractionArcmin(double haDeg, double temperatureC, double pressureHpa);

// Corrects sextant altitude `hsDeg` (0..90) of `limb`. Throws SightError
// for conditions out of range or an apparent altitude below -1 degree.
AltitudeCorrections CorrectAltitude(double hsDeg, Limb limb, const SightConditions& conditions,
                                    const BodyDisc& disc);

} // namespace celpos
