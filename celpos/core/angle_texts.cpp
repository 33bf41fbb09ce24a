#include "celpos/core/angle_texts.h"

#include "celpos/core/altitude_corrections.h"
#include "celpos/core/computed_altitude.h"
#include "geo/constants.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace celpos {
namespace {

constexpr std::string_view Utf8Degree = "\xC2\xB0";
constexpr std::string_view Degree = "\xB0"; // the texts' 8-bit degree sign, as geo writes it
constexpr double TenthsPerDegree = 600.0;
constexpr double LargestShown = 1e6; // degrees; beyond, a text would only mislead

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point, at least one digit: what from_chars
// reads as a plain decimal.
bool IsPlainDecimal(std::string_view text)
{
    int digits = 0, points = 0;
    for (const char c : text) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

double Parse(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Padded(std::int64_t n, int width)
{
    std::string digits = std::to_string(n);
    return std::string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, '0') + digits;
}

// |degrees| in whole degrees and tenths of a minute, rounded once.
struct Split {
    std::int64_t Degrees;
    std::int64_t Tenths; // of a minute, 0..599
};
Split SplitTenths(double degrees)
{
    const auto tenths = static_cast<std::int64_t>(std::llround(std::fabs(degrees) * TenthsPerDegree));
    return {tenths / 600, tenths % 600};
}

std::string MinutesText(std::int64_t tenths)
{
    return Padded(tenths / 10, 2) + "." + std::to_string(tenths % 10) + "'";
}

bool Showable(double degrees) { return std::isfinite(degrees) && std::fabs(degrees) < LargestShown; }

} // namespace

double ReadSextantAltitude(std::string_view text)
{
    const std::string shown = geo::ShownText(text);
    const auto refuse = [&shown]() -> SightError {
        return SightError("'" + shown + "' is not a sextant altitude: write 35\xC2\xB0" "12.4 or 35.2067");
    };
    std::string_view rest = text;
    if (!rest.empty() && rest.back() == '\'')
        rest.remove_suffix(1);
    std::size_t mark = rest.find(Utf8Degree);
    std::size_t markLength = Utf8Degree.size();
    if (mark == std::string_view::npos) {
        mark = rest.find(Degree);
        markLength = Degree.size();
    }
    if (mark == std::string_view::npos) {
        if (!IsPlainDecimal(rest))
            throw refuse();
        return Parse(rest);
    }
    const std::string_view degrees = rest.substr(0, mark), minutes = rest.substr(mark + markLength);
    if (degrees.empty() || degrees.find('.') != std::string_view::npos || !IsPlainDecimal(degrees) ||
        !IsPlainDecimal(minutes) || degrees.size() > 3)
        throw refuse();
    const double m = Parse(minutes);
    if (!(m < geo::MinutesPerDegree))
        throw SightError("'" + shown + "': the minutes are 60 or more");
    return Parse(degrees) + m / geo::MinutesPerDegree;
}

double ReadDecimal(std::string_view text, const std::string& what)
{
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    if (!IsPlainDecimal(digits))
        throw SightError(what + " '" + geo::ShownText(text) + "' is not a number");
    const double value = Parse(digits);
    return negative && value != 0 ? -value : value;
}

std::string AltitudeText(double degrees)
{
    if (!Showable(degrees))
        return "--" + std::string(Degree) + "--.-'";
    const Split s = SplitTenths(degrees);
    const bool negative = degrees < 0 && (s.Degrees != 0 || s.Tenths != 0);
    return (negative ? "-" : "") + std::to_string(s.Degrees) + std::string(Degree) + MinutesText(s.Tenths);
}

std::string CorrectionText(double arcmin)
{
    if (!std::isfinite(arcmin))
        return "--.-'";
    const std::string magnitude = geo::DecimalText(std::fabs(arcmin), 1);
    if (magnitude == "0.0")
        return "0.0'";
    return (arcmin < 0 ? "-" : "+") + magnitude + "'";
}

std::string AzimuthText(double degrees)
{
    if (!Showable(degrees))
        return "---.-" + std::string(Degree);
    auto tenths = static_cast<std::int64_t>(std::llround(FullCircle(degrees) * 10));
    if (tenths >= 3600)
        tenths -= 3600;
    return Padded(tenths / 10, 3) + "." + std::to_string(tenths % 10) + std::string(Degree);
}

std::string InterceptText(double nm)
{
    if (!std::isfinite(nm))
        return "-.- nm";
    const std::string magnitude = geo::DecimalText(std::fabs(nm), 1);
    if (magnitude == "0.0")
        return "0.0 nm";
    return magnitude + (nm > 0 ? " nm toward" : " nm away");
}

std::string HourAngleText(double degrees)
{
    if (!Showable(degrees))
        return "---" + std::string(Degree) + "--.-'";
    Split s = SplitTenths(FullCircle(degrees));
    if (s.Degrees >= 360)
        s.Degrees -= 360;
    return Padded(s.Degrees, 3) + std::string(Degree) + MinutesText(s.Tenths);
}

std::string DeclinationText(double degrees)
{
    if (!Showable(degrees))
        return "--" + std::string(Degree) + "--.-'";
    const Split s = SplitTenths(degrees);
    const bool zero = s.Degrees == 0 && s.Tenths == 0;
    return std::string(degrees < 0 && !zero ? "S " : "N ") + std::to_string(s.Degrees) + std::string(Degree) +
           MinutesText(s.Tenths);
}

std::string LatitudeText(double degrees)
{
    if (!Showable(degrees))
        return "--" + std::string(Degree) + "--.-'";
    const Split s = SplitTenths(degrees);
    const bool south = degrees < 0 && (s.Degrees || s.Tenths);
    return Padded(s.Degrees, 2) + std::string(Degree) + MinutesText(s.Tenths) + (south ? " S" : " N");
}

std::string LongitudeText(double degrees)
{
    if (!Showable(degrees))
        return "---" + std::string(Degree) + "--.-'";
    const double lon = std::remainder(degrees, 360.0);
    const Split s = SplitTenths(lon);
    const bool west = lon < 0 && (s.Degrees || s.Tenths) && !(s.Degrees == 180 && s.Tenths == 0);
    return Padded(s.Degrees, 3) + std::string(Degree) + MinutesText(s.Tenths) + (west ? " W" : " E");
}

std::string PositionText(double latDeg, double lonDeg)
{
    return LatitudeText(latDeg) + "  " + LongitudeText(lonDeg);
}

} // namespace celpos
