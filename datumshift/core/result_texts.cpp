#include "datumshift/core/result_texts.h"

#include "geo/position_text.h"

#include <cmath>

namespace datumshift {
namespace {

constexpr double Turn = 360.0;

constexpr const char* BallparkNote =
    "A ballpark transformation: the datums are taken as one (only their prime meridians are allowed for), so the "
    "position may be tens to hundreds of metres out";

} // namespace

double ShownLongitude(double longitude) { return std::remainder(longitude, Turn) + 0.0; }

std::string NoteText(const DatumShift& shift)
{
    std::vector<std::string> notes;
    if (shift.OutsideArea)
        notes.push_back(*shift.OutsideArea);
    if (shift.Used.Ballpark)
        notes.emplace_back(BallparkNote);
    if (shift.Fallback())
        notes.push_back(FallbackText(shift));
    std::string text;
    for (const std::string& note : notes)
        text += (text.empty() ? "" : ". ") + note;
    return text;
}

std::vector<std::string> ResultNames()
{
    std::vector<std::string> names;
    for (const auto& line : ResultTexts(DatumShift(), geo::AngleFormat::DMdd))
        names.push_back(line.first);
    return names;
}

ResultLines ResultTexts(const DatumShift& s, geo::AngleFormat format)
{
    const double longitude = ShownLongitude(s.Longitude);
    const std::string direction =
        s.ShiftDirection ? geo::Utf8Text(geo::CourseText(format, *s.ShiftDirection)) : "none (no shift)";
    return {
        {"To latitude", geo::Utf8Text(geo::FormatAngle(format, false, s.Latitude))},
        {"To longitude", geo::Utf8Text(geo::FormatAngle(format, true, longitude))},
        {"To latitude in degrees", geo::DecimalText(s.Latitude, DegreeDecimals)},
        {"To longitude in degrees", geo::DecimalText(longitude, DegreeDecimals)},
        {"Shift", geo::DecimalText(s.ShiftDistance, MetreDecimals) + " m"},
        {"Shift direction", direction},
        {"Transformation", NameWithCode(s.Used)},
        {"Method", s.Used.Method},
        {"Accuracy", s.Used.Accuracy ? geo::DecimalText(*s.Used.Accuracy) + " m" : "not stated"},
        {"Note", NoteText(s)},
    };
}

} // namespace datumshift
