#include "geo/angle_text.h"

#include "geo/int_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace geo {
namespace {

constexpr long double MinutesPerDegree = 60.0L;
constexpr long double SecondsPerDegree = 3600.0L;
constexpr long double MillisecondsPerSecond = 1000.0L;
constexpr long double HundredthsPerMinute = 100.0L;
constexpr long double FieldEpsilon = 1e-8L;     // lifts a field that is a hair below a whole unit
constexpr double ZeroBelow = 0.00001;           // degrees shown as zero
constexpr double FullTurn = 360.0;
constexpr double HalfTurn = 180.0;
constexpr double LargestLatitudeShown = 1e9;    // beyond: no meaningful text, and no int conversion
constexpr std::size_t MaxTextLength = 255;      // the parsers work on short strings

std::string InvalidText(AngleFormat format, bool isLongitude)
{
    std::string layout = AngleLayout(format, isLongitude);
    for (char& c : layout)
        if (c == '#')
            c = '-';
    return layout;
}

// The fields of a magnitude, computed independently of each other in
// extended precision, then carried so that none shows its full unit.
struct AngleFields {
    std::int64_t D, M, S, T, H;
};

// Trunc and Round of a value known to lie well inside 64 bits; the casts
// truncate towards zero and llrint rounds halves to even, as the fields
// want, without the slow library rounding of extended values.
std::int64_t Trunc(long double x) { return static_cast<std::int64_t>(x); }
std::int64_t Round(long double x) { return std::llrint(x); }

AngleFields FieldsOf(long double v, AngleFormat format)
{
    // v lies in 0..1e9, so every field below is far inside 64 bits.
    const std::int64_t d = Trunc(v);
    const long double frac = v - d;
    const std::int64_t m = Trunc(frac * MinutesPerDegree + FieldEpsilon);
    const std::int64_t s = Trunc(frac * SecondsPerDegree - MinutesPerDegree * m + FieldEpsilon);
    const std::int64_t t = Trunc((v - d - m / MinutesPerDegree - s / SecondsPerDegree) * SecondsPerDegree
                                 * MillisecondsPerSecond);
    const std::int64_t h = Round((frac * MinutesPerDegree - m) * HundredthsPerMinute);
    AngleFields f{d, m, s, t, h};

    // The epsilon above can leave the smaller fields a rounding error below
    // zero once the larger one has been lifted; they are zero then.
    if (f.S < 0) f.S = 0;
    if (f.T < 0) f.T = 0;
    if (f.H < 0) f.H = 0;

    // Carry only the fields the format shows: DMS truncates seconds, so its
    // hidden thousandths never round it up.
    switch (format) {
    case AngleFormat::DMdd:
        if (f.H >= 100) { f.H -= 100; ++f.M; }
        break;
    case AngleFormat::DMSsss:
        if (f.T >= 1000) { f.T -= 1000; ++f.S; }
        [[fallthrough]];
    case AngleFormat::DMS:
        if (f.S >= 60) { f.S -= 60; ++f.M; }
        break;
    }
    if (f.M >= 60) { f.M -= 60; ++f.D; }
    return f;
}

// Copy(s, pos, len) of a short string: 1-based, clipped at the end.
std::string_view Slice(std::string_view s, std::size_t pos, std::size_t len)
{
    if (pos > s.size())
        return {};
    return s.substr(pos - 1, len);
}

struct FieldPositions {
    std::size_t degrees, degreesWidth, minutes, third, fourth;
    int maxDegrees;
    const char* degreesMessage;
};

constexpr FieldPositions LatitudeFields{1, 2, 4, 7, 10, 89, "Wrong Degrees "};
constexpr FieldPositions LongitudeFields{1, 3, 5, 8, 11, 179, "Wrong Degrees !"};

void ParseAngle(const FieldPositions& at, const std::string& text, AngleFormat format, double& value,
                std::string& message)
{
    const bool negative = value < 0;
    message.clear();
    std::string s = BlanksToZeros(text.substr(0, MaxTextLength));

    // The angle is built in a local and stored only when every field was
    // read and accepted, so a failed entry never changes the value or its
    // sign.
    double result = value;
    std::string failure;
    const auto add = [&result](long double amount) {
        result = static_cast<double>(static_cast<long double>(result) + amount);
    };

    const int degrees = StrToInt(Slice(s, at.degrees, at.degreesWidth));
    if (degrees <= at.maxDegrees)
        result = degrees;
    else
        failure = at.degreesMessage;

    const int minutes = StrToInt(Slice(s, at.minutes, 2));
    if (minutes <= 59)
        add(minutes / MinutesPerDegree);
    else
        failure = "Wrong Minutes !";

    if (format == AngleFormat::DMS || format == AngleFormat::DMSsss) {
        const int seconds = StrToInt(Slice(s, at.third, 2));
        if (seconds <= 59)
            add(seconds / SecondsPerDegree);
        else
            failure = "Wrong Seconds !";
    }
    if (format == AngleFormat::DMdd) {
        const int hundredths = StrToInt(Slice(s, at.third, 2));
        add(hundredths / (MinutesPerDegree * HundredthsPerMinute));
    }
    if (format == AngleFormat::DMSsss) {
        const int thousandths = StrToInt(Slice(s, at.fourth, 3));
        add(thousandths / (SecondsPerDegree * MillisecondsPerSecond));
    }

    if (!failure.empty()) {
        message = failure;
        return;
    }
    value = negative ? -result : result;
}

} // namespace

std::string AngleLayout(AngleFormat format, bool isLongitude)
{
    std::string degrees = isLongitude ? "###" : "##";
    degrees += DegreeSign;
    switch (format) {
    case AngleFormat::DMdd:   return degrees + "##'##";
    case AngleFormat::DMS:    return degrees + "##'##\"";
    case AngleFormat::DMSsss: return degrees + "##'##\"###";
    }
    return {};
}

std::string FormatAngle(AngleFormat format, bool isLongitude, double degrees)
{
    if (!std::isfinite(degrees) || (!isLongitude && std::fabs(degrees) >= LargestLatitudeShown))
        return InvalidText(format, isLongitude);

    if (isLongitude && std::fabs(degrees) > FullTurn)
        degrees = std::fmod(degrees, FullTurn);

    bool west = degrees < 0; // or south
    if (std::fabs(degrees) < ZeroBelow)
        degrees = 0;
    double v = std::fabs(degrees);
    if (isLongitude && v > HalfTurn) {
        v = FullTurn - v;
        west = !west;
    }

    const AngleFields f = FieldsOf(v, format);

    std::string text;
    text.reserve(16);
    if (isLongitude && f.D < 100)
        text += '0';
    AppendZeroPadded(text, f.D, 2);
    text += DegreeSign;
    AppendZeroPadded(text, f.M, 2);
    text += '\'';
    switch (format) {
    case AngleFormat::DMdd:
        AppendZeroPadded(text, f.H, 2);
        break;
    case AngleFormat::DMS:
        AppendZeroPadded(text, f.S, 2);
        text += '"';
        break;
    case AngleFormat::DMSsss:
        AppendZeroPadded(text, f.S, 2);
        text += '"';
        AppendZeroPadded(text, f.T, 3);
        break;
    default:
        text.clear(); // an unknown code has no layout, only the hemisphere
        break;
    }
    if (isLongitude)
        text += west ? " W" : " E";
    else
        text += west ? " S" : " N";
    return text;
}

std::string CourseText(AngleFormat format, double course)
{
    if (AngleLayout(format, true).empty())
        return {};
    if (!std::isfinite(course))
        return InvalidText(format, true);
    double c = std::fmod(course, FullTurn);
    if (c < 0)
        c += FullTurn;
    AngleFields f = FieldsOf(c, format);
    if (f.D >= static_cast<std::int64_t>(FullTurn))
        f.D -= static_cast<std::int64_t>(FullTurn);
    std::string text = FormatAngle(format, true, 0.0); // the layout, filled below
    text.resize(AngleLayout(format, true).size());
    const auto put = [&text](std::size_t at, std::int64_t value, int width) {
        std::string digits;
        AppendZeroPadded(digits, value, width);
        text.replace(at, digits.size(), digits);
    };
    put(0, f.D, 3);
    put(4, f.M, 2);
    switch (format) {
    case AngleFormat::DMdd: put(7, f.H, 2); break;
    case AngleFormat::DMS: put(7, f.S, 2); break;
    case AngleFormat::DMSsss: put(7, f.S, 2); put(10, f.T, 3); break;
    }
    return text;
}

std::string EntryText(AngleFormat format, bool isLongitude, double degrees)
{
    const std::string layout = AngleLayout(format, isLongitude);
    std::string text = FormatAngle(format, isLongitude, degrees);
    text.resize(layout.size());
    const FieldPositions& at = isLongitude ? LongitudeFields : LatitudeFields;
    const std::size_t sign = text.find(DegreeSign);
    if (sign == std::string::npos || text.compare(0, 1, "-") == 0)
        return text; // no layout, or no number to show
    if (std::stoi(text.substr(0, sign)) <= at.maxDegrees)
        return text;
    // The largest accepted text: 89 or 179, then the largest of each field.
    std::string largest = std::to_string(at.maxDegrees) + DegreeSign + "59'";
    switch (format) {
    case AngleFormat::DMdd:   return largest + "99";
    case AngleFormat::DMS:    return largest + "59\"";
    case AngleFormat::DMSsss: return largest + "59\"999";
    }
    return text;
}

void ParseLatitude(const std::string& text, AngleFormat format, double& value, std::string& message)
{
    ParseAngle(LatitudeFields, text, format, value, message);
}

void ParseLongitude(const std::string& text, AngleFormat format, double& value, std::string& message)
{
    ParseAngle(LongitudeFields, text, format, value, message);
}

void ParseCoordinate(bool isLongitude, const std::string& text, AngleFormat format, double& value, std::string& message)
{
    ParseAngle(isLongitude ? LongitudeFields : LatitudeFields, text, format, value, message);
}

std::string BlanksToZeros(std::string text)
{
    std::ranges::replace(text, ' ', '0');
    return text;
}

} // namespace geo
